#pragma once

#include "store/FSRSRating.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

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
    // indexed LIMIT 1 query each, day bounds in local time.
    int currentStreak(const QDate& today) const;

private:
    QSqlDatabase& m_db;
    QString m_table;
};
