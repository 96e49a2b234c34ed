#pragma once

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <optional>

// Counts the rows of one table per local calendar day of a UTC-millisecond date column, letting
// SQLite group and count. Days of constant UTC offset share one GROUP BY query over
// (date + offset) / one day; a day with a daylight-saving change is counted on its own between
// its real bounds, so 23- and 25-hour days come out right.
class LocalDayCounter
{
public:
    // `filter` is an optional extra SQL condition with `?` placeholders for `filterValues`.
    LocalDayCounter(
        QSqlDatabase& db, QString table, QString column, QString filter = {}, QVariantList filterValues = {});

    // Rows with from ≤ date < to (no upper bound without `to`), per local day; days without rows
    // are absent. An empty map when the store cannot be read.
    QMap<QDate, int> count(const QDateTime& from, const std::optional<QDateTime>& to) const;

private:
    struct Segment
    {
        qint64 begin = 0;
        qint64 end = 0;
        std::optional<qint64> offsetMs; // set: regular days grouped by key; unset: the one day below
        QDate day;
    };

    QList<Segment> segments(qint64 from, qint64 to) const;
    std::optional<qint64> latestDate(qint64 from) const;
    bool countSegment(const Segment& segment, QMap<QDate, int>& counts) const;
    QString condition() const;

    QSqlDatabase& m_db;
    QString m_table;
    QString m_column;
    QString m_filter;
    QVariantList m_filterValues;
};
