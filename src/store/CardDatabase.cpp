#include "store/CardDatabase.h"

#include "diagnostics/QMLog.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>

namespace {

// Version 1: the five record tables, media bytes in their own table, indexes for what the
// queries filter and sort by.
const char* const kSchemaV1[] = {
    "CREATE TABLE vocab_card (id INTEGER PRIMARY KEY, word TEXT NOT NULL DEFAULT '', sentence TEXT NOT NULL DEFAULT '',"
    " translated_word TEXT NOT NULL DEFAULT '', translated_sentence TEXT, etymology TEXT, phonetic TEXT,"
    " pronunciation_audio_extension TEXT NOT NULL DEFAULT 'mp3', image_file_extension TEXT,"
    " deck_name TEXT NOT NULL DEFAULT '', stability REAL NOT NULL DEFAULT 0, difficulty REAL NOT NULL DEFAULT 0,"
    " due_date INTEGER NOT NULL, last_review_date INTEGER, reps INTEGER NOT NULL DEFAULT 0,"
    " lapses INTEGER NOT NULL DEFAULT 0, created_at INTEGER NOT NULL)",
    "CREATE TABLE vocab_media (card_id INTEGER PRIMARY KEY REFERENCES vocab_card(id), pronunciation_audio BLOB,"
    " image_data BLOB)",
    "CREATE TABLE review_log (id INTEGER PRIMARY KEY, date INTEGER NOT NULL, duration_seconds REAL NOT NULL DEFAULT 0,"
    " rating INTEGER NOT NULL)",
    "CREATE TABLE unlocked_achievement (id INTEGER PRIMARY KEY, achievement_id TEXT NOT NULL,"
    " unlocked_at INTEGER NOT NULL)",
    "CREATE TABLE grammar_card (id INTEGER PRIMARY KEY, exercise_type TEXT NOT NULL DEFAULT 'multipleChoice',"
    " source TEXT NOT NULL DEFAULT 'bank', bank_exercise_id TEXT, topic_id TEXT NOT NULL DEFAULT '',"
    " topic TEXT NOT NULL DEFAULT '', prompt_text TEXT NOT NULL DEFAULT '', choices TEXT NOT NULL DEFAULT '[]',"
    " correct_answer TEXT NOT NULL DEFAULT '', explanation TEXT NOT NULL DEFAULT '',"
    " stability REAL NOT NULL DEFAULT 0, difficulty REAL NOT NULL DEFAULT 0, due_date INTEGER NOT NULL,"
    " last_review_date INTEGER, reps INTEGER NOT NULL DEFAULT 0, lapses INTEGER NOT NULL DEFAULT 0,"
    " created_at INTEGER NOT NULL)",
    "CREATE TABLE grammar_review_log (id INTEGER PRIMARY KEY, date INTEGER NOT NULL,"
    " duration_seconds REAL NOT NULL DEFAULT 0, rating INTEGER NOT NULL)",
    "CREATE INDEX vocab_card_due ON vocab_card(due_date, id)",
    "CREATE INDEX vocab_card_deck_due ON vocab_card(deck_name, due_date, id)",
    "CREATE INDEX review_log_date ON review_log(date)",
    "CREATE INDEX grammar_card_due ON grammar_card(due_date, id)",
    "CREATE UNIQUE INDEX grammar_card_bank_exercise ON grammar_card(bank_exercise_id) WHERE bank_exercise_id IS NOT "
    "NULL",
    "CREATE INDEX grammar_review_log_date ON grammar_review_log(date)",
};

// Version 2: indexes that answer the statistics without touching the rows: review logs by date
// with their rating and duration, cards by stability (and deck), grammar due cards by topic.
const char* const kSchemaV2[] = {
    "CREATE INDEX grammar_card_topic_due ON grammar_card(topic, due_date, id)",
    "DROP INDEX IF EXISTS review_log_date",
    "CREATE INDEX review_log_date ON review_log(date, rating, duration_seconds)",
    "DROP INDEX IF EXISTS grammar_review_log_date",
    "CREATE INDEX grammar_review_log_date ON grammar_review_log(date, rating, duration_seconds)",
    "CREATE INDEX vocab_card_stability ON vocab_card(stability, reps)",
    "CREATE INDEX vocab_card_deck_stability ON vocab_card(deck_name, stability, reps)",
};

// Version 3: each achievement is recorded once. Files written before kept every insert, so the
// earliest row of each id stays and later copies go before the index is built.
const char* const kSchemaV3[] = {
    "DELETE FROM unlocked_achievement WHERE id NOT IN (SELECT MIN(id) FROM unlocked_achievement"
    " GROUP BY achievement_id)",
    "CREATE UNIQUE INDEX unlocked_achievement_id ON unlocked_achievement(achievement_id)",
};

bool exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

template <size_t N> bool execAll(QSqlDatabase& db, const char* const (&statements)[N], QString* error)
{
    for (const char* statement : statements) {
        if (!exec(db, QString::fromLatin1(statement), error))
            return false;
    }
    return true;
}

} // namespace

QString CardDatabase::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quillmoor/cards.sqlite");
}

QString CardDatabase::fatalMessage(const QString& error)
{
    return tr("Не удалось создать локальное хранилище карточек: ") + error;
}

CardDatabase::Transaction::Transaction(QSqlDatabase& db)
    : m_db(db)
    , m_active(db.transaction())
{
}

CardDatabase::Transaction::~Transaction()
{
    if (m_active)
        m_db.rollback();
}

bool CardDatabase::Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_db.commit())
        return true;
    m_db.rollback();
    return false;
}

std::unique_ptr<CardDatabase> CardDatabase::open(const QString& path, QString* error)
{
    std::unique_ptr<CardDatabase> database(new CardDatabase);
    database->m_path = path;
    database->m_connection = QStringLiteral("cards-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of ") + path;
        return nullptr;
    }
    database->m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), database->m_connection);
    database->m_db.setDatabaseName(path);
    database->m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!database->m_db.open()) {
        *error = database->m_db.lastError().text();
        return nullptr;
    }
    QString failure;
    if (!exec(database->m_db, QStringLiteral("PRAGMA journal_mode=WAL"), &failure)
        || !exec(database->m_db, QStringLiteral("PRAGMA synchronous=FULL"), &failure) || !database->migrate(&failure)) {
        *error = failure;
        return nullptr;
    }
    return database;
}

CardDatabase::~CardDatabase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool CardDatabase::migrate(QString* error)
{
    QSqlQuery version(m_db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        *error = version.lastError().text();
        return false;
    }
    const int current = version.value(0).toInt();
    version.finish();
    if (current > kSchemaVersion) {
        // Written by a newer Quillmoor: never touch it.
        *error = tr("файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и "
                    "оставлен без изменений")
                     .arg(m_path)
                     .arg(current)
                     .arg(kSchemaVersion);
        return false;
    }
    if (current == kSchemaVersion)
        return true;
    Transaction transaction(m_db);
    if (current < 1 && !execAll(m_db, kSchemaV1, error))
        return false;
    if (current < 2 && !execAll(m_db, kSchemaV2, error))
        return false;
    if (current < 3 && !execAll(m_db, kSchemaV3, error))
        return false;
    if (!exec(m_db, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion), error))
        return false;
    if (!transaction.commit()) {
        *error = m_db.lastError().text();
        return false;
    }
    qCInfo(lcReview) << "Card store migrated from schema" << current << "to" << kSchemaVersion;
    return true;
}
