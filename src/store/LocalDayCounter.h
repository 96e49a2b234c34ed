#pragma once

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <optional>

// Counts the rows of one table per local calendar day of a UTC-millisecond date column. Each day
// is one indexed COUNT between its real bounds (QDate::startOfDay, so 23- and 25-hour days come
// out right) through one prepared statement: SQLite counts, nothing is loaded.
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
    std::optional<qint64> latestDate(qint64 from) const;
    QString filterClause() const;

    QSqlDatabase& m_db;
    QString m_table;
    QString m_column;
    QString m_filter;
    QVariantList m_filterValues;
};
