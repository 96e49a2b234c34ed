#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

// A read statement straight on the connection's SQLite handle. Lists of thousands of cards are
// read this way: going through QSqlQuery costs a QVariant per value and is several times slower.
class SqliteStatement
{
public:
    SqliteStatement(QSqlDatabase& db, const QString& sql, const QVariantList& values);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // The next row; false at the end or on failure (then failed() is true and the reason logged).
    bool next();
    bool failed() const { return m_failed; }

    bool isNull(int column) const;
    qint64 int64(int column) const;
    double real(int column) const;
    QString text(int column) const;

private:
    void fail(const char* what);
    bool bind(int index, const QVariant& value);

    sqlite3* m_handle = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};
