#include "store/ReviewLogTable.h"

#include "diagnostics/QMLog.h"
#include "store/CardDatabase.h"
#include "store/StoreSql.h"

#include <QSqlQuery>

ReviewLogTable::ReviewLogTable(QSqlDatabase& db, QString table)
    : m_db(db)
    , m_table(std::move(table))
{
}

bool ReviewLogTable::append(const QDateTime& date, FSRSRating rating, double durationSeconds) const
{
    QSqlQuery log(m_db);
    log.prepare(QStringLiteral("INSERT INTO %1 (date, duration_seconds, rating) VALUES (?, ?, ?)").arg(m_table));
    StoreSql::bindAll(log, { StoreSql::toMs(date), durationSeconds, FSRSRatings::grade(rating) });
    return StoreSql::run(log, "logging a review");
}

bool ReviewLogTable::hasReviewOn(const QDate& day) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE date >= ? AND date < ? LIMIT 1").arg(m_table));
    query.addBindValue(day.startOfDay().toMSecsSinceEpoch());
    query.addBindValue(day.addDays(1).startOfDay().toMSecsSinceEpoch());
    return StoreSql::run(query, "reading reviews") && query.next();
}

int ReviewLogTable::currentStreak(const QDate& today, int maxDays) const
{
    // One prepared probe re-run per day: a streak of years is a few thousand index seeks.
    QSqlQuery probe(m_db);
    probe.setForwardOnly(true);
    probe.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE date >= ? AND date < ? LIMIT 1").arg(m_table));
    const auto reviewedOn = [&probe](const QDate& day) {
        probe.bindValue(0, day.startOfDay().toMSecsSinceEpoch());
        probe.bindValue(1, day.addDays(1).startOfDay().toMSecsSinceEpoch());
        const bool found = StoreSql::run(probe, "reading reviews") && probe.next();
        probe.finish();
        return found;
    };
    QDate cursor = today;
    if (!reviewedOn(cursor))
        cursor = cursor.addDays(-1);
    int streak = 0;
    while (streak < maxDays && cursor.isValid() && reviewedOn(cursor)) {
        ++streak;
        cursor = cursor.addDays(-1);
    }
    return streak;
}

bool ReviewLogTable::commitRating(const QString& cardTable, const RatedSchedule& schedule, const QDateTime& date,
    FSRSRating rating, double durationSeconds) const
{
    CardDatabase::Transaction transaction(m_db);
    QSqlQuery update(m_db);
    update.prepare(QStringLiteral("UPDATE %1 SET stability = ?, difficulty = ?, due_date = ?, last_review_date = ?,"
                                  " reps = ?, lapses = ? WHERE id = ?")
                       .arg(cardTable));
    StoreSql::bindAll(update,
        { schedule.stability, schedule.difficulty, StoreSql::toMs(schedule.dueDate),
            StoreSql::toMs(schedule.lastReviewDate), schedule.reps, schedule.lapses, schedule.cardId });
    if (!transaction.isActive() || !StoreSql::run(update, "rating a card") || !append(date, rating, durationSeconds)
        || !transaction.commit()) {
        qCCritical(lcReview) << "Card store: the rating of" << cardTable << schedule.cardId << "was not saved";
        return false;
    }
    return true;
}
