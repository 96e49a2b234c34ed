#include "store/LocalDayCounter.h"

#include "store/StoreSql.h"

#include <QSqlQuery>

#include <algorithm>

namespace {

constexpr qint64 kDayMs = 86'400'000;
// Julian day number of 1970-01-01.
constexpr qint64 kEpochJulianDay = 2'440'588;

} // namespace

LocalDayCounter::LocalDayCounter(
    QSqlDatabase& db, QString table, QString column, QString filter, QVariantList filterValues)
    : m_db(db)
    , m_table(std::move(table))
    , m_column(std::move(column))
    , m_filter(std::move(filter))
    , m_filterValues(std::move(filterValues))
{
}

QString LocalDayCounter::condition() const
{
    QString where = m_column + QStringLiteral(" >= ? AND ") + m_column + QStringLiteral(" < ?");
    if (!m_filter.isEmpty())
        where += QStringLiteral(" AND (") + m_filter + QLatin1Char(')');
    return where;
}

std::optional<qint64> LocalDayCounter::latestDate(qint64 from) const
{
    QSqlQuery query(m_db);
    QString sql = QStringLiteral("SELECT MAX(%1) FROM %2 WHERE %1 >= ?").arg(m_column, m_table);
    if (!m_filter.isEmpty())
        sql += QStringLiteral(" AND (") + m_filter + QLatin1Char(')');
    query.prepare(sql);
    query.addBindValue(from);
    StoreSql::bindAll(query, m_filterValues);
    if (!StoreSql::run(query, "finding the latest date") || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QList<LocalDayCounter::Segment> LocalDayCounter::segments(qint64 from, qint64 to) const
{
    QList<Segment> result;
    const QDate first = QDateTime::fromMSecsSinceEpoch(from).toLocalTime().date();
    const QDate last = QDateTime::fromMSecsSinceEpoch(to - 1).toLocalTime().date();
    for (QDate day = first; day.isValid() && day <= last; day = day.addDays(1)) {
        const QDateTime start = day.startOfDay();
        const qint64 begin = start.toMSecsSinceEpoch();
        const qint64 end = day.addDays(1).startOfDay().toMSecsSinceEpoch();
        const qint64 offset = qint64(start.offsetFromUtc()) * 1000;
        // A regular day is 24 hours long and its local midnight falls on a whole day of the
        // shifted clock, so (date + offset) / day is its Julian day less the epoch's.
        const bool regular = end - begin == kDayMs && begin + offset >= 0 && (begin + offset) % kDayMs == 0
            && (begin + offset) / kDayMs == day.toJulianDay() - kEpochJulianDay;
        Segment segment { std::max(begin, from), std::min(end, to), std::nullopt, day };
        if (regular)
            segment.offsetMs = offset;
        if (segment.begin >= segment.end)
            continue;
        if (regular && !result.isEmpty() && result.last().offsetMs == offset && result.last().end == segment.begin) {
            result.last().end = segment.end;
            continue;
        }
        result.append(segment);
    }
    return result;
}

bool LocalDayCounter::countSegment(const Segment& segment, QMap<QDate, int>& counts) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (segment.offsetMs) {
        query.prepare(QStringLiteral("SELECT (%1 + ?) / %2, COUNT(*) FROM %3 WHERE %4 GROUP BY 1")
                          .arg(m_column)
                          .arg(kDayMs)
                          .arg(m_table, condition()));
        query.addBindValue(*segment.offsetMs);
    } else {
        query.prepare(QStringLiteral("SELECT 0, COUNT(*) FROM %1 WHERE %2").arg(m_table, condition()));
    }
    query.addBindValue(segment.begin);
    query.addBindValue(segment.end);
    StoreSql::bindAll(query, m_filterValues);
    if (!StoreSql::run(query, "counting per day"))
        return false;
    while (query.next()) {
        const int n = query.value(1).toInt();
        if (n == 0)
            continue;
        const QDate day
            = segment.offsetMs ? QDate::fromJulianDay(query.value(0).toLongLong() + kEpochJulianDay) : segment.day;
        counts[day] += n;
    }
    return true;
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
    for (const Segment& segment : segments(begin, end)) {
        // A failed read counts as no result at all rather than a partial one.
        if (!countSegment(segment, counts))
            return {};
    }
    return counts;
}
