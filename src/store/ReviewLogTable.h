#pragma once

#include "store/FSRSRating.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <limits>

// One review-log table (vocabulary or grammar): appending entries and the review-day streak.
class ReviewLogTable
{
public:
    ReviewLogTable(QSqlDatabase& db, QString table);

    QString name() const { return m_table; }
    // Runs inside the caller's transaction.
    bool append(const QDateTime& date, FSRSRating rating, double durationSeconds) const;
    bool hasReviewOn(const QDate& day) const;
    // Consecutive review days ending today or yesterday, probed day by day backwards with one
    // indexed LIMIT 1 query each, day bounds in local time; at most `maxDays` days are counted.
    int currentStreak(const QDate& today, int maxDays = std::numeric_limits<int>::max()) const;

    // The schedule a rating gave a card, as stored in its table.
    struct RatedSchedule
    {
        qint64 cardId = 0;
        double stability = 0;
        double difficulty = 0;
        QDateTime dueDate;
        QDateTime lastReviewDate;
        int reps = 0;
        int lapses = 0;

        template <typename Card> static RatedSchedule of(const Card& card)
        {
            return { card.id, card.stability, card.difficulty, card.dueDate, card.lastReviewDate.value_or(QDateTime()),
                card.reps, card.lapses };
        }
    };
    // The card's new schedule and this log's entry, in one transaction: both or neither.
    bool commitRating(const QString& cardTable, const RatedSchedule& schedule, const QDateTime& date, FSRSRating rating,
        double durationSeconds) const;

private:
    QSqlDatabase& m_db;
    QString m_table;
};
