#include "store/LocalDayCounter.h"

#include "store/StoreSql.h"

#include <QSqlQuery>

#include <algorithm>

LocalDayCounter::LocalDayCounter(
    QSqlDatabase& db, QString table, QString column, QString filter, QVariantList filterValues)
    : m_db(db)
    , m_table(std::move(table))
    , m_column(std::move(column))
    , m_filter(std::move(filter))
    , m_filterValues(std::move(filterValues))
{
}

QString LocalDayCounter::filterClause() const
{
    return m_filter.isEmpty() ? QString() : QStringLiteral(" AND (") + m_filter + QLatin1Char(')');
}

std::optional<qint64> LocalDayCounter::latestDate(qint64 from) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT MAX(%1) FROM %2 WHERE %1 >= ?").arg(m_column, m_table) + filterClause());
    query.addBindValue(from);
    StoreSql::bindAll(query, m_filterValues);
    if (!StoreSql::run(query, "finding the latest date") || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QMap<QDate, int> LocalDayCounter::count(const QDateTime& from, const std::optional<QDateTime>& to) const
{
    const qint64 begin = from.toMSecsSinceEpoch();
    qint64 end = 0;
    if (to) {
        end = to->toMSecsSinceEpoch();
    } else {
        const std::optional<qint64> latest = latestDate(begin);
        if (!latest)
            return {};
        end = *latest + 1;
    }
    QMap<QDate, int> counts;
    if (begin >= end)
        return counts;

    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 >= ? AND %2 < ?").arg(m_table, m_column) + filterClause());
    const QDate last = QDateTime::fromMSecsSinceEpoch(end - 1).toLocalTime().date();
    for (QDate day = from.toLocalTime().date(); day.isValid() && day <= last; day = day.addDays(1)) {
        const qint64 dayBegin = std::max(day.startOfDay().toMSecsSinceEpoch(), begin);
        const qint64 dayEnd = std::min(day.addDays(1).startOfDay().toMSecsSinceEpoch(), end);
        if (dayBegin >= dayEnd)
            continue;
        query.bindValue(0, dayBegin);
        query.bindValue(1, dayEnd);
        for (int i = 0; i < m_filterValues.size(); ++i)
            query.bindValue(2 + i, m_filterValues[i]);
        // A failed read counts as no result at all rather than a partial one.
        if (!StoreSql::run(query, "counting per day") || !query.next())
            return {};
        if (const int n = query.value(0).toInt(); n > 0)
            counts.insert(day, n);
        query.finish();
    }
    return counts;
}
