#include "platform/WavEncoder.h"

#include <QtEndian>

namespace {
void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    out.append(b, 4);
}
void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray WavEncoder::encodeMono16(const QByteArray& pcm, int sampleRate)
{
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    const quint32 dataSize = quint32(pcm.size());
    QByteArray out;
    out.reserve(44 + pcm.size());
    out.append("RIFF", 4);
    put32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate) * channels * bitsPerSample / 8);
    put16(out, channels * bitsPerSample / 8);
    put16(out, bitsPerSample);
    out.append("data", 4);
    put32(out, dataSize);
    out.append(pcm);
    return out;
}
