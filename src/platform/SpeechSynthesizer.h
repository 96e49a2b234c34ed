#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QString>

#include <optional>

// Offline speech: a spoken rendering of a word as an in-memory WAV, and its IPA transcription.
class SpeechSynthesizer
{
public:
    virtual ~SpeechSynthesizer() = default;

    // WAV bytes (RIFF, 16-bit PCM, mono) for the text, or nullopt when synthesis fails.
    // languageCode is one of the supported two-letter codes; other codes use the default voice.
    virtual QCoro::Task<std::optional<QByteArray>> synthesize(QString text, QString languageCode) = 0;

    // IPA transcription without slashes, or nullopt when none can be produced.
    virtual QCoro::Task<std::optional<QString>> transcribe(QString text, QString languageCode) = 0;
};
