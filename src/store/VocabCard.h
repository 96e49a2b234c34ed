#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <algorithm>
#include <optional>

// A word captured on screen, with its scheduling state. A copy: the store hands these out and
// takes updates by id.
struct VocabCard
{
    qint64 id = 0;
    QString word;
    QString sentence;
    QString translatedWord;
    std::optional<QString> translatedSentence;
    std::optional<QString> etymology;
    std::optional<QString> phonetic;
    std::optional<QByteArray> pronunciationAudio; // loaded only when media are asked for
    QString pronunciationAudioExtension = QStringLiteral("mp3");
    std::optional<QByteArray> imageData; // loaded only when media are asked for
    std::optional<QString> imageFileExtension;
    QString deckName;
    double stability = 0;
    double difficulty = 0;
    QDateTime dueDate;
    std::optional<QDateTime> lastReviewDate;
    int reps = 0;
    int lapses = 0;
    QDateTime createdAt;

    bool isDue(const QDateTime& now) const { return dueDate <= now; }
    bool isNew() const { return reps == 0; }
    // Mastered: reviewed at least once with an interval beyond three weeks.
    bool isMastered() const { return reps >= 1 && stability > 21; }
    double intervalDays() const { return std::clamp(stability, 1.0, 36500.0); }
};
