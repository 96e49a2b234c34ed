#pragma once

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

// Conversions between record fields and SQL values, shared by the card stores. Dates are UTC
// milliseconds; optional texts are SQL NULL when absent, plain texts never are.
namespace StoreSql {

QVariant text(const QString& value);
QVariant optionalText(const std::optional<QString>& value);
std::optional<QString> readOptionalText(const QVariant& value);
QVariant optionalBytes(const std::optional<QByteArray>& value);
qint64 toMs(const QDateTime& value);
QDateTime fromMs(qint64 ms);
std::optional<QDateTime> readOptionalDate(const QVariant& value);

// Runs a prepared query; a failure is logged at error level with what was being done.
bool run(QSqlQuery& query, const char* what);
void bindAll(QSqlQuery& query, const QVariantList& values);

} // namespace StoreSql
