#include "store/VocabCardStore.h"

#include "diagnostics/QMLog.h"
#include "store/CardDatabase.h"
#include "store/FSRSEngine.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString kColumns = QStringLiteral(
    "id, word, sentence, translated_word, translated_sentence, etymology, phonetic, pronunciation_audio_extension,"
    " image_file_extension, deck_name, stability, difficulty, due_date, last_review_date, reps, lapses, created_at");

// A null QString would bind as SQL NULL; plain text fields are never NULL.
QVariant text(const QString& value)
{
    return QVariant(value.isNull() ? QStringLiteral("") : value);
}

QVariant optionalText(const std::optional<QString>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<QString>());
}

std::optional<QString> readOptionalText(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toString());
}

QDateTime fromMs(const QVariant& value)
{
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

VocabCard readCard(const QSqlQuery& q)
{
    VocabCard card;
    card.id = q.value(0).toLongLong();
    card.word = q.value(1).toString();
    card.sentence = q.value(2).toString();
    card.translatedWord = q.value(3).toString();
    card.translatedSentence = readOptionalText(q.value(4));
    card.etymology = readOptionalText(q.value(5));
    card.phonetic = readOptionalText(q.value(6));
    card.pronunciationAudioExtension = q.value(7).toString();
    card.imageFileExtension = readOptionalText(q.value(8));
    card.deckName = q.value(9).toString();
    card.stability = q.value(10).toDouble();
    card.difficulty = q.value(11).toDouble();
    card.dueDate = fromMs(q.value(12));
    if (!q.value(13).isNull())
        card.lastReviewDate = fromMs(q.value(13));
    card.reps = q.value(14).toInt();
    card.lapses = q.value(15).toInt();
    card.createdAt = fromMs(q.value(16));
    return card;
}

bool run(QSqlQuery& query, const char* what)
{
    if (query.exec())
        return true;
    qCCritical(lcReview).noquote() << "Card store:" << what << "failed:" << query.lastError().text();
    return false;
}

} // namespace

VocabCardStore::VocabCardStore(CardDatabase& database)
    : m_database(database)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
}

std::optional<VocabCard> VocabCardStore::addCard(const NewCard& input)
{
    const qint64 now = m_clock().toMSecsSinceEpoch();
    CardDatabase::Transaction transaction(m_database.db());
    QSqlQuery insert(m_database.db());
    insert.prepare(QStringLiteral(
        "INSERT INTO vocab_card (word, sentence, translated_word, translated_sentence, etymology, phonetic,"
        " pronunciation_audio_extension, image_file_extension, deck_name, due_date, created_at)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value : { text(input.word), text(input.sentence), text(input.translatedWord),
                                   optionalText(input.translatedSentence), optionalText(input.etymology),
                                   optionalText(input.phonetic), text(input.pronunciationAudioExtension),
                                   optionalText(input.imageFileExtension), text(input.deckName), QVariant(now),
                                   QVariant(now) })
        insert.addBindValue(value);
    if (!transaction.isActive() || !run(insert, "adding a card"))
        return std::nullopt;
    const qint64 id = insert.lastInsertId().toLongLong();
    if (input.pronunciationAudio || input.imageData) {
        QSqlQuery media(m_database.db());
        media.prepare(QStringLiteral("INSERT INTO vocab_media (card_id, pronunciation_audio, image_data) VALUES (?, ?, ?)"));
        media.addBindValue(id);
        media.addBindValue(input.pronunciationAudio ? QVariant(*input.pronunciationAudio)
                                                    : QVariant(QMetaType::fromType<QByteArray>()));
        media.addBindValue(input.imageData ? QVariant(*input.imageData) : QVariant(QMetaType::fromType<QByteArray>()));
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
    QSqlQuery query(m_database.db());
    query.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM vocab_card");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    // A failed read counts as an empty result.
    if (!run(query, "reading cards"))
        return cards;
    while (query.next())
        cards.append(readCard(query));
    return cards;
}

QList<VocabCard> VocabCardStore::dueCards(const std::optional<QString>& deck) const
{
    const qint64 now = m_clock().toMSecsSinceEpoch();
    if (deck)
        return fetch(QStringLiteral("deck_name = ? AND due_date <= ?"), { *deck, now }, QStringLiteral("due_date, id"));
    return fetch(QStringLiteral("due_date <= ?"), { now }, QStringLiteral("due_date, id"));
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
    query.prepare(QStringLiteral("SELECT DISTINCT deck_name FROM vocab_card ORDER BY deck_name COLLATE BINARY"));
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
    FSRSMemoryState state;
    if (current->reps == 0) {
        state = FSRSEngine::initialState(rating);
    } else {
        const int elapsed = current->lastReviewDate ? FSRSEngine::elapsedDays(*current->lastReviewDate, now) : 0;
        state = FSRSEngine::nextState({ current->stability, current->difficulty }, rating, elapsed);
    }
    VocabCard updated = *current;
    updated.stability = state.stability;
    updated.difficulty = state.difficulty;
    updated.dueDate = FSRSEngine::dueDate(now, FSRSEngine::intervalDays(state.stability)).toUTC();
    updated.lastReviewDate = now.toUTC();
    updated.reps += 1;
    if (rating == FSRSRating::Again)
        updated.lapses += 1;

    // The card and its log change together or not at all.
    CardDatabase::Transaction transaction(m_database.db());
    QSqlQuery update(m_database.db());
    update.prepare(QStringLiteral("UPDATE vocab_card SET stability = ?, difficulty = ?, due_date = ?,"
                                  " last_review_date = ?, reps = ?, lapses = ? WHERE id = ?"));
    for (const QVariant& value : { QVariant(updated.stability), QVariant(updated.difficulty),
                                   QVariant(updated.dueDate.toMSecsSinceEpoch()),
                                   QVariant(updated.lastReviewDate->toMSecsSinceEpoch()), QVariant(updated.reps),
                                   QVariant(updated.lapses), QVariant(cardId) })
        update.addBindValue(value);
    QSqlQuery log(m_database.db());
    log.prepare(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, ?, ?)"));
    log.addBindValue(now.toMSecsSinceEpoch());
    log.addBindValue(durationSeconds);
    log.addBindValue(FSRSRatings::grade(rating));
    if (!transaction.isActive() || !run(update, "rating a card") || !run(log, "logging a review")
        || !transaction.commit()) {
        qCCritical(lcReview) << "Card store: the rating of card" << cardId << "was not saved";
        return std::nullopt;
    }
    return updated;
}

bool VocabCardStore::hasReviewOn(const QDate& day) const
{
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT 1 FROM review_log WHERE date >= ? AND date < ? LIMIT 1"));
    query.addBindValue(day.startOfDay().toMSecsSinceEpoch());
    query.addBindValue(day.addDays(1).startOfDay().toMSecsSinceEpoch());
    return run(query, "reading reviews") && query.next();
}

int VocabCardStore::currentStreak() const
{
    // Day by day backwards, each probe an indexed LIMIT 1 query; day bounds in local time.
    QDate cursor = m_clock().toLocalTime().date();
    if (!hasReviewOn(cursor))
        cursor = cursor.addDays(-1);
    int streak = 0;
    while (cursor.isValid() && hasReviewOn(cursor)) {
        ++streak;
        cursor = cursor.addDays(-1);
    }
    return streak;
}

VocabCardStore::CardStats VocabCardStore::cardStats(const std::optional<QString>& deck) const
{
    CardStats stats;
    QSqlQuery query(m_database.db());
    QString sql = QStringLiteral("SELECT COALESCE(SUM(reps >= 1 AND stability > 21), 0), COUNT(*) FROM vocab_card");
    if (deck)
        sql += QStringLiteral(" WHERE deck_name = ?");
    query.prepare(sql);
    if (deck)
        query.addBindValue(*deck);
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

QSet<QString> VocabCardStore::unlockedAchievementIDs() const
{
    QSet<QString> ids;
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT achievement_id FROM unlocked_achievement"));
    if (!run(query, "reading achievements"))
        return ids;
    while (query.next())
        ids.insert(query.value(0).toString());
    return ids;
}
