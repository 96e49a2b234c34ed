#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// One grammar exercise with its scheduling state: taken from a course ("bank") or generated from
// the learner's words ("personalized"). A copy; the store takes updates by id.
struct GrammarCard
{
    qint64 id = 0;
    QString exerciseType = QStringLiteral("multipleChoice");
    QString source = QStringLiteral("bank");
    std::optional<QString> bankExerciseID;
    QString topicID;
    QString topic;
    QString promptText;
    QStringList choices;
    QString correctAnswer;
    QString explanation;
    double stability = 0;
    double difficulty = 0;
    QDateTime dueDate;
    std::optional<QDateTime> lastReviewDate;
    int reps = 0;
    int lapses = 0;
    QDateTime createdAt;

    bool isDue(const QDateTime& now) const { return dueDate <= now; }
    bool isNew() const { return reps == 0; }
};
