#include "store/VocabCardStore.h"

#include "diagnostics/QMLog.h"
#include "store/CardDatabase.h"
#include "store/FSRSEngine.h"
#include "store/LocalDayCounter.h"
#include "store/ReviewLogTable.h"
#include "store/SqliteStatement.h"
#include "store/StoreSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace StoreSql;

namespace {

const QString kColumns = QStringLiteral(
    "id, word, sentence, translated_word, translated_sentence, etymology, phonetic, pronunciation_audio_extension,"
    " image_file_extension, deck_name, stability, difficulty, due_date, last_review_date, reps, lapses, created_at");
const QString kLogTable = QStringLiteral("review_log");

VocabCard readCard(const SqliteStatement& q)
{
    VocabCard card;
    card.id = q.int64(0);
    card.word = q.text(1);
    card.sentence = q.text(2);
    card.translatedWord = q.text(3);
    card.translatedSentence = q.isNull(4) ? std::nullopt : std::optional(q.text(4));
    card.etymology = q.isNull(5) ? std::nullopt : std::optional(q.text(5));
    card.phonetic = q.isNull(6) ? std::nullopt : std::optional(q.text(6));
    card.pronunciationAudioExtension = q.text(7);
    card.imageFileExtension = q.isNull(8) ? std::nullopt : std::optional(q.text(8));
    card.deckName = q.text(9);
    card.stability = q.real(10);
    card.difficulty = q.real(11);
    card.dueDate = fromMs(q.int64(12));
    card.lastReviewDate = q.isNull(13) ? std::nullopt : std::optional(fromMs(q.int64(13)));
    card.reps = int(q.int64(14));
    card.lapses = int(q.int64(15));
    card.createdAt = fromMs(q.int64(16));
    return card;
}

} // namespace

VocabCardStore::VocabCardStore(CardDatabase& database, std::function<QDateTime()> clock)
    : m_database(database)
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); })
{
}

std::optional<VocabCard> VocabCardStore::addCard(const VocabCardContent& input)
{
    const qint64 now = m_clock().toMSecsSinceEpoch();
    CardDatabase::Transaction transaction(m_database.db());
    QSqlQuery insert(m_database.db());
    insert.prepare(QStringLiteral(
        "INSERT INTO vocab_card (word, sentence, translated_word, translated_sentence, etymology, phonetic,"
        " pronunciation_audio_extension, image_file_extension, deck_name, due_date, created_at)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    bindAll(insert,
        { text(input.word), text(input.sentence), text(input.backText()), optionalText(input.translatedSentence),
            optionalText(input.etymology), optionalText(input.phonetic), text(input.pronunciationAudioExtension),
            optionalText(input.imageFileExtension), text(input.deckName), now, now });
    if (!transaction.isActive() || !run(insert, "adding a card"))
        return std::nullopt;
    const qint64 id = insert.lastInsertId().toLongLong();
    if (input.pronunciationAudio || input.imageData) {
        QSqlQuery media(m_database.db());
        media.prepare(
            QStringLiteral("INSERT INTO vocab_media (card_id, pronunciation_audio, image_data) VALUES (?, ?, ?)"));
        bindAll(media, { id, optionalBytes(input.pronunciationAudio), optionalBytes(input.imageData) });
        if (!run(media, "storing a card's media"))
            return std::nullopt;
    }
    if (!transaction.commit()) {
        qCCritical(lcReview) << "Card store: could not commit a new card";
        return std::nullopt;
    }
    return card(id);
}

bool VocabCardStore::attachImage(qint64 cardId, const QByteArray& imageData, const QString& imageFileExtension)
{
    CardDatabase::Transaction transaction(m_database.db());
    QSqlQuery media(m_database.db());
    media.prepare(QStringLiteral("INSERT INTO vocab_media (card_id, image_data) VALUES (?, ?)"
                                 " ON CONFLICT(card_id) DO UPDATE SET image_data = excluded.image_data"));
    media.addBindValue(cardId);
    media.addBindValue(imageData);
    QSqlQuery card(m_database.db());
    card.prepare(QStringLiteral("UPDATE vocab_card SET image_file_extension = ? WHERE id = ?"));
    card.addBindValue(imageFileExtension);
    card.addBindValue(cardId);
    if (!transaction.isActive() || !run(card, "attaching a picture") || card.numRowsAffected() != 1
        || !run(media, "storing a picture"))
        return false;
    return transaction.commit();
}

std::optional<VocabCard> VocabCardStore::card(qint64 id) const
{
    const QList<VocabCard> found = fetch(QStringLiteral("id = ?"), { id }, QString());
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

std::optional<VocabCard> VocabCardStore::cardWithMedia(qint64 cardId) const
{
    std::optional<VocabCard> result = card(cardId);
    if (!result)
        return std::nullopt;
    QSqlQuery media(m_database.db());
    media.prepare(QStringLiteral("SELECT pronunciation_audio, image_data FROM vocab_media WHERE card_id = ?"));
    media.addBindValue(cardId);
    if (run(media, "reading media") && media.next()) {
        if (!media.value(0).isNull())
            result->pronunciationAudio = media.value(0).toByteArray();
        if (!media.value(1).isNull())
            result->imageData = media.value(1).toByteArray();
    }
    return result;
}

QList<VocabCard> VocabCardStore::fetch(const QString& where, const QVariantList& values, const QString& order) const
{
    QList<VocabCard> cards;
    QString sql = QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM vocab_card");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    SqliteStatement query(m_database.db(), sql, values);
    while (query.next())
        cards.append(readCard(query));
    // A failed read counts as an empty result, never a partial one.
    if (query.failed())
        return {};
    return cards;
}

QList<VocabCard> VocabCardStore::dueCards(const std::optional<QString>& deck) const
{
    const qint64 now = m_clock().toMSecsSinceEpoch();
    if (deck)
        return fetch(QStringLiteral("deck_name = ? AND due_date <= ?"), { *deck, now }, QStringLiteral("due_date, id"));
    return fetch(QStringLiteral("due_date <= ?"), { now }, QStringLiteral("due_date, id"));
}

QList<qint64> VocabCardStore::dueCardIds(const std::optional<QString>& deck) const
{
    const qint64 now = m_clock().toMSecsSinceEpoch();
    QString sql = QStringLiteral("SELECT id FROM vocab_card WHERE due_date <= ?");
    QVariantList values { now };
    if (deck) {
        sql += QStringLiteral(" AND deck_name = ?");
        values << text(*deck);
    }
    sql += QStringLiteral(" ORDER BY due_date, id");
    QList<qint64> ids;
    SqliteStatement query(m_database.db(), sql, values);
    while (query.next())
        ids.append(query.int64(0));
    if (query.failed())
        return {};
    return ids;
}

int VocabCardStore::dueCount() const
{
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM vocab_card WHERE due_date <= ?"));
    query.addBindValue(toMs(m_clock()));
    if (!run(query, "counting due cards") || !query.next())
        return 0;
    return query.value(0).toInt();
}

QList<VocabCard> VocabCardStore::allCards(const std::optional<QString>& deck) const
{
    if (deck)
        return fetch(QStringLiteral("deck_name = ?"), { *deck }, QStringLiteral("id"));
    return fetch(QString(), {}, QStringLiteral("id"));
}

QStringList VocabCardStore::decks() const
{
    QStringList names;
    QSqlQuery query(m_database.db());
    // One index probe per deck instead of a walk over every card: each step asks for the next name
    // after the last one found.
    query.prepare(QStringLiteral("WITH RECURSIVE deck(name) AS (SELECT MIN(deck_name) FROM vocab_card"
                                 " UNION ALL SELECT (SELECT MIN(deck_name) FROM vocab_card WHERE deck_name > deck.name)"
                                 " FROM deck WHERE deck.name IS NOT NULL)"
                                 " SELECT name FROM deck WHERE name IS NOT NULL"));
    if (!run(query, "listing decks"))
        return names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

std::optional<VocabCard> VocabCardStore::recordReview(qint64 cardId, FSRSRating rating, double durationSeconds)
{
    std::optional<VocabCard> current = card(cardId);
    if (!current)
        return std::nullopt;
    const QDateTime now = m_clock();
    VocabCard updated = *current;
    FSRSEngine::applyRating(updated, rating, now);
    // The card and its log change together or not at all.
    if (!ReviewLogTable(m_database.db(), kLogTable)
             .commitRating(QStringLiteral("vocab_card"), ReviewLogTable::RatedSchedule::of(updated), now, rating,
                 durationSeconds))
        return std::nullopt;
    return updated;
}

int VocabCardStore::currentStreak() const
{
    return ReviewLogTable(m_database.db(), kLogTable).currentStreak(m_clock().toLocalTime().date());
}

int VocabCardStore::currentStreak(int maxDays) const
{
    return ReviewLogTable(m_database.db(), kLogTable).currentStreak(m_clock().toLocalTime().date(), maxDays);
}

VocabCardStore::CardStats VocabCardStore::cardStats(const std::optional<QString>& deck) const
{
    CardStats stats;
    QSqlQuery query(m_database.db());
    // Both counts come from the stability index: mastered is a range of it.
    const QString deckFilter = deck ? QStringLiteral(" WHERE deck_name = ?") : QString();
    const QString deckAnd = deck ? QStringLiteral(" AND deck_name = ?") : QString();
    query.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM vocab_card WHERE stability > 21 AND reps >= 1%1),"
                                 " (SELECT COUNT(*) FROM vocab_card%2)")
                      .arg(deckAnd, deckFilter));
    if (deck)
        bindAll(query, { text(*deck), text(*deck) });
    if (!run(query, "counting cards") || !query.next())
        return stats;
    stats.mastered = query.value(0).toInt();
    stats.learning = query.value(1).toInt() - stats.mastered;
    return stats;
}

std::optional<double> VocabCardStore::successRate(int days) const
{
    const QDateTime start = m_clock().toLocalTime().addDays(-days);
    if (!start.isValid())
        return std::nullopt;
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(rating != 1), 0) FROM review_log WHERE date >= ?"));
    query.addBindValue(start.toMSecsSinceEpoch());
    if (!run(query, "reading reviews") || !query.next() || query.value(0).toLongLong() == 0)
        return std::nullopt;
    return query.value(1).toDouble() / query.value(0).toDouble();
}

std::optional<QSet<QString>> VocabCardStore::unlockedAchievementIDs() const
{
    QSet<QString> ids;
    SqliteStatement query(m_database.db(), QStringLiteral("SELECT achievement_id FROM unlocked_achievement"), {});
    while (query.next())
        ids.insert(query.text(0));
    if (query.failed())
        return std::nullopt;
    return ids;
}

QMap<QDate, int> VocabCardStore::dailyReviewCounts(int days) const
{
    const QDateTime start = m_clock().toLocalTime().addDays(-days);
    if (!start.isValid())
        return {};
    return LocalDayCounter(m_database.db(), kLogTable, QStringLiteral("date")).count(start, std::nullopt);
}

VocabCardStore::TodayStats VocabCardStore::todayStats() const
{
    TodayStats stats;
    QSqlQuery query(m_database.db());
    query.prepare(
        QStringLiteral("SELECT COUNT(*), COALESCE(SUM(duration_seconds), 0) FROM review_log WHERE date >= ?"));
    query.addBindValue(toMs(m_clock().toLocalTime().date().startOfDay()));
    if (!run(query, "reading today's reviews") || !query.next())
        return stats;
    stats.count = query.value(0).toInt();
    stats.minutes = query.value(1).toDouble() / 60;
    return stats;
}

std::optional<double> VocabCardStore::averageIntervalDays(const std::optional<QString>& deck) const
{
    QSqlQuery query(m_database.db());
    QString sql = QStringLiteral("SELECT AVG(MIN(MAX(stability, 1), 36500)) FROM vocab_card WHERE reps > 0");
    if (deck)
        sql += QStringLiteral(" AND deck_name = ?");
    query.prepare(sql);
    if (deck)
        query.addBindValue(text(*deck));
    if (!run(query, "averaging intervals") || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toDouble();
}

QMap<QDate, int> VocabCardStore::upcomingLoad(int days, const std::optional<QString>& deck) const
{
    if (days <= 0)
        return {};
    const QDate today = m_clock().toLocalTime().date();
    const QDateTime end = today.addDays(days).startOfDay();
    if (!end.isValid())
        return {};
    if (deck) {
        return LocalDayCounter(m_database.db(), QStringLiteral("vocab_card"), QStringLiteral("due_date"),
            QStringLiteral("deck_name = ?"), { text(*deck) })
            .count(today.startOfDay(), end);
    }
    return LocalDayCounter(m_database.db(), QStringLiteral("vocab_card"), QStringLiteral("due_date"))
        .count(today.startOfDay(), end);
}

int VocabCardStore::cardCount() const
{
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM vocab_card"));
    if (!run(query, "counting cards") || !query.next())
        return 0;
    return query.value(0).toInt();
}

VocabCardStore::BoundedCounts VocabCardStore::boundedCounts(int cap) const
{
    BoundedCounts counts;
    QSqlQuery query(m_database.db());
    // Each count reads at most `cap` index entries; mastered is a range of the stability index.
    query.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM (SELECT 1 FROM vocab_card LIMIT ?)),"
                                 " (SELECT COUNT(*) FROM (SELECT 1 FROM review_log LIMIT ?)),"
                                 " (SELECT COUNT(*) FROM (SELECT 1 FROM vocab_card WHERE stability > 21 AND reps >= 1"
                                 " LIMIT ?))"));
    bindAll(query, { cap, cap, cap });
    if (!run(query, "counting cards and reviews") || !query.next())
        return counts;
    counts.cards = query.value(0).toInt();
    counts.reviews = query.value(1).toInt();
    counts.mastered = query.value(2).toInt();
    return counts;
}

QStringList VocabCardStore::studiedWords() const
{
    QStringList words;
    SqliteStatement query(
        m_database.db(), QStringLiteral("SELECT word FROM vocab_card WHERE reps > 0 ORDER BY id"), {});
    while (query.next())
        words.append(query.text(0));
    return query.failed() ? QStringList() : words;
}

bool VocabCardStore::recordUnlockedAchievement(const QString& achievementID)
{
    CardDatabase::Transaction transaction(m_database.db());
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("INSERT INTO unlocked_achievement (achievement_id, unlocked_at) VALUES (?, ?)"
                                 " ON CONFLICT(achievement_id) DO NOTHING"));
    bindAll(query, { text(achievementID), toMs(m_clock()) });
    if (!transaction.isActive() || !run(query, "recording an achievement"))
        return false;
    const bool inserted = query.numRowsAffected() == 1;
    return transaction.commit() && inserted;
}
