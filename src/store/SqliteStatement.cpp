#include "store/SqliteStatement.h"

#include "diagnostics/QMLog.h"

#include <QSqlDriver>

#include <sqlite3.h>

SqliteStatement::SqliteStatement(QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        m_failed = true;
        qCCritical(lcReview) << "Card store: the database connection has no SQLite handle";
        return;
    }
    m_handle = *static_cast<sqlite3* const*>(handle.constData());
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_handle, utf8.constData(), int(utf8.size()), &m_statement, nullptr) != SQLITE_OK) {
        fail("preparing a read");
        return;
    }
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values[i])) {
            fail("binding a value");
            return;
        }
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::bind(int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(m_statement, index) == SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return sqlite3_bind_int64(m_statement, index, value.toLongLong()) == SQLITE_OK;
    case QMetaType::Double:
        return sqlite3_bind_double(m_statement, index, value.toDouble()) == SQLITE_OK;
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    }
}

void SqliteStatement::fail(const char* what)
{
    m_failed = true;
    qCCritical(lcReview).noquote()
        << "Card store:" << what
        << "failed:" << QString::fromUtf8(m_handle ? sqlite3_errmsg(m_handle) : "no connection");
}

bool SqliteStatement::next()
{
    if (m_failed || !m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        fail("reading cards");
    return false;
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QString SqliteStatement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}
