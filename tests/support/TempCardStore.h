#pragma once

#include "store/CardDatabase.h"
#include "support/TempXdgHome.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>

#include <ctime>
#include <memory>

// Each row of a statement's result as its columns joined by commas; {"error: …"} when it fails.
inline QStringList sqlRows(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        return { QStringLiteral("error: ") + sql };
    QStringList rows;
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << query.value(i).toString();
        rows << columns.join(QLatin1Char(','));
    }
    return rows;
}

inline void setTimeZone(const char* zone)
{
    qputenv("TZ", zone);
    tzset();
}

// A card store over a fresh card database in a temporary XDG home, in a fixed time zone, read
// through a clock the test sets. Mixed into a test class: openStore() in init(), closeStore() in
// cleanup().
template <typename Store> class TempCardStore
{
protected:
    QDateTime now;

    void openStore(const char* zone)
    {
        m_home = std::make_unique<TempXdgHome>();
        setTimeZone(zone);
        now = QDateTime(QDate(2026, 5, 10), QTime(12, 0));
        reopenStore();
    }
    // Closes the file and opens it again, as a restart would.
    void reopenStore()
    {
        m_store.reset();
        m_database.reset();
        QString error;
        m_database = CardDatabase::open(CardDatabase::defaultFilePath(), &error);
        QVERIFY2(m_database, qPrintable(error));
        m_store = std::make_unique<Store>(*m_database, [this] { return now; });
    }
    void closeStore()
    {
        m_store.reset();
        m_database.reset();
        m_home.reset();
    }

    Store& store() { return *m_store; }
    QSqlDatabase db() { return m_database->db(); }
    QStringList rows(const QString& sql, const QVariantList& values = {}) { return sqlRows(db(), sql, values); }
    void exec(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery query(db());
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(sql));
    }

    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<Store> m_store;
};
