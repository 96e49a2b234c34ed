#include "store/StoreSql.h"

#include "diagnostics/QMLog.h"

#include <QSqlError>

namespace StoreSql {

QVariant text(const QString& value)
{
    // A null QString would bind as SQL NULL.
    return QVariant(value.isNull() ? QStringLiteral("") : value);
}

QVariant optionalText(const std::optional<QString>& value)
{
    return value ? text(*value) : QVariant(QMetaType::fromType<QString>());
}

std::optional<QString> readOptionalText(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toString());
}

QVariant optionalBytes(const std::optional<QByteArray>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<QByteArray>());
}

qint64 toMs(const QDateTime& value)
{
    return value.toMSecsSinceEpoch();
}

QDateTime fromMs(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

std::optional<QDateTime> readOptionalDate(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(fromMs(value.toLongLong()));
}

bool run(QSqlQuery& query, const char* what)
{
    if (query.exec())
        return true;
    qCCritical(lcReview).noquote() << "Card store:" << what << "failed:" << query.lastError().text();
    return false;
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

} // namespace StoreSql
