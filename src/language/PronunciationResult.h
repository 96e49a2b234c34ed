#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A transcription and a short recording of a word for the lookup card.
struct PronunciationResult
{
    std::optional<QString> phonetic;
    std::optional<QByteArray> audioData;
    QString audioFileExtension = QStringLiteral("mp3"); // "mp3" for recordings, "wav" when synthesized
};
