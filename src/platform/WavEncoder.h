#pragma once

#include <QByteArray>

// RIFF/WAVE container for 16-bit little-endian mono PCM samples.
namespace WavEncoder {
QByteArray encodeMono16(const QByteArray& pcm, int sampleRate);
}
