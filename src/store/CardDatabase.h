#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>

// The one SQLite file that holds every card, log and achievement. WAL journal, a busy time-out
// for a second process, schema versioned with user_version and migrated forward at open.
class CardDatabase
{
    Q_DECLARE_TR_FUNCTIONS(CardDatabase)
public:
    static constexpr int kSchemaVersion = 3;

    // $XDG_DATA_HOME/quillmoor/cards.sqlite
    static QString defaultFilePath();
    // The message shown when the store cannot be created; the program stops after it.
    static QString fatalMessage(const QString& error);

    // Opens or creates the file; on failure returns nullptr and sets `error`.
    static std::unique_ptr<CardDatabase> open(const QString& path, QString* error);
    ~CardDatabase();

    QSqlDatabase& db() { return m_db; }
    QString filePath() const { return m_path; }

    // A transaction that rolls back unless committed.
    class Transaction
    {
    public:
        explicit Transaction(QSqlDatabase& db);
        ~Transaction();
        bool isActive() const { return m_active; }
        bool commit();

    private:
        QSqlDatabase& m_db;
        bool m_active;
    };

private:
    CardDatabase() = default;
    bool migrate(QString* error);

    QString m_connection;
    QString m_path;
    QSqlDatabase m_db;
};
