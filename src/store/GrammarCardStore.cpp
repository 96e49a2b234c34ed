#include "store/GrammarCardStore.h"

#include "diagnostics/QMLog.h"
#include "grammar/GrammarBankExercise.h"
#include "store/CardDatabase.h"
#include "store/FSRSEngine.h"
#include "store/ReviewLogTable.h"
#include "store/SqliteStatement.h"
#include "store/StoreSql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

using namespace StoreSql;

namespace {

const QString kColumns = QStringLiteral(
    "id, exercise_type, source, bank_exercise_id, topic_id, topic, prompt_text, choices, correct_answer,"
    " explanation, stability, difficulty, due_date, last_review_date, reps, lapses, created_at");
const QString kLogTable = QStringLiteral("grammar_review_log");

QString choicesToJson(const QStringList& choices)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(choices)).toJson(QJsonDocument::Compact));
}

QStringList choicesFromJson(const QString& json)
{
    QStringList choices;
    const QJsonArray array = QJsonDocument::fromJson(json.toUtf8()).array();
    for (const QJsonValue& value : array)
        choices << value.toString();
    return choices;
}

GrammarCard readCard(const SqliteStatement& q)
{
    GrammarCard card;
    card.id = q.int64(0);
    card.exerciseType = q.text(1);
    card.source = q.text(2);
    card.bankExerciseID = q.isNull(3) ? std::nullopt : std::optional(q.text(3));
    card.topicID = q.text(4);
    card.topic = q.text(5);
    card.promptText = q.text(6);
    card.choices = choicesFromJson(q.text(7));
    card.correctAnswer = q.text(8);
    card.explanation = q.text(9);
    card.stability = q.real(10);
    card.difficulty = q.real(11);
    card.dueDate = fromMs(q.int64(12));
    card.lastReviewDate = q.isNull(13) ? std::nullopt : std::optional(fromMs(q.int64(13)));
    card.reps = int(q.int64(14));
    card.lapses = int(q.int64(15));
    card.createdAt = fromMs(q.int64(16));
    return card;
}

int percent(double reps, double lapses)
{
    const double accuracy = (1 - lapses / reps) * 100;
    return std::clamp(static_cast<int>(std::lround(accuracy)), 0, 100);
}

} // namespace

GrammarCardStore::GrammarCardStore(CardDatabase& database, std::function<QDateTime()> clock)
    : m_database(database)
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTimeUtc(); })
{
}

int GrammarCardStore::insertRow(const GrammarCard& card, qint64* id)
{
    QSqlQuery query(m_database.db());
    // The unique index on the exercise id turns a second add into no change, whatever a
    // previous read returned.
    query.prepare(QStringLiteral(
        "INSERT INTO grammar_card (exercise_type, source, bank_exercise_id, topic_id, topic, prompt_text, choices,"
        " correct_answer, explanation, due_date, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT DO NOTHING"));
    bindAll(query,
        { text(card.exerciseType), text(card.source), optionalText(card.bankExerciseID), text(card.topicID),
            text(card.topic), text(card.promptText), choicesToJson(card.choices), text(card.correctAnswer),
            text(card.explanation), toMs(card.dueDate), toMs(card.createdAt) });
    if (!run(query, "adding a grammar card"))
        return -1;
    if (query.numRowsAffected() == 0)
        return 0;
    if (id)
        *id = query.lastInsertId().toLongLong();
    return 1;
}

std::optional<GrammarCard> GrammarCardStore::insert(const GrammarCard& card, bool* duplicate)
{
    CardDatabase::Transaction transaction(m_database.db());
    qint64 id = 0;
    const int added = transaction.isActive() ? insertRow(card, &id) : -1;
    *duplicate = added == 0;
    if (added != 1)
        return std::nullopt;
    if (!transaction.commit()) {
        qCCritical(lcReview) << "Card store: could not commit a new grammar card";
        return std::nullopt;
    }
    return this->card(id);
}

GrammarCard GrammarCardStore::bankCard(
    const GrammarBankExercise& exercise, const QString& topicID, const QString& topicTitle) const
{
    GrammarCard card;
    card.exerciseType = GrammarExerciseTypes::rawValue(exercise.type);
    card.source = QStringLiteral("bank");
    card.bankExerciseID = exercise.id;
    card.topicID = topicID;
    card.topic = topicTitle;
    card.promptText = exercise.prompt;
    card.choices = exercise.choices;
    card.correctAnswer = exercise.correctAnswer;
    card.explanation = exercise.explanation;
    card.dueDate = card.createdAt = m_clock();
    return card;
}

GrammarCard GrammarCardStore::personalizedCard(const PersonalizedExercise& exercise) const
{
    GrammarCard card;
    card.exerciseType = exercise.exerciseType;
    card.source = QStringLiteral("personalized");
    card.topicID = QStringLiteral("personalized");
    card.topic = exercise.topic;
    card.promptText = exercise.promptText;
    card.choices = exercise.choices;
    card.correctAnswer = exercise.correctAnswer;
    card.explanation = exercise.explanation;
    card.dueDate = card.createdAt = m_clock();
    return card;
}

bool GrammarCardStore::addBankExercise(
    const GrammarBankExercise& exercise, const QString& topicID, const QString& topicTitle)
{
    bool duplicate = false;
    return insert(bankCard(exercise, topicID, topicTitle), &duplicate).has_value();
}

std::optional<GrammarCard> GrammarCardStore::addPersonalized(const PersonalizedExercise& exercise)
{
    bool duplicate = false;
    return insert(personalizedCard(exercise), &duplicate);
}

std::optional<int> GrammarCardStore::addBankExercises(
    const QList<GrammarBankExercise>& exercises, const QString& topicID, const QString& topicTitle)
{
    CardDatabase::Transaction transaction(m_database.db());
    if (!transaction.isActive())
        return std::nullopt;
    int count = 0;
    for (const GrammarBankExercise& exercise : exercises) {
        const int added = insertRow(bankCard(exercise, topicID, topicTitle));
        if (added < 0)
            return std::nullopt;
        count += added;
    }
    if (!transaction.commit()) {
        qCCritical(lcReview) << "Card store: could not commit a topic's grammar cards";
        return std::nullopt;
    }
    return count;
}

bool GrammarCardStore::addPersonalized(const QList<PersonalizedExercise>& exercises)
{
    CardDatabase::Transaction transaction(m_database.db());
    if (!transaction.isActive())
        return false;
    for (const PersonalizedExercise& exercise : exercises) {
        if (insertRow(personalizedCard(exercise)) != 1)
            return false;
    }
    if (!transaction.commit()) {
        qCCritical(lcReview) << "Card store: could not commit generated grammar cards";
        return false;
    }
    return true;
}

QList<GrammarCard> GrammarCardStore::fetch(const QString& where, const QVariantList& values, const QString& order) const
{
    QList<GrammarCard> cards;
    QString sql = QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM grammar_card");
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

std::optional<GrammarCard> GrammarCardStore::card(qint64 id) const
{
    const QList<GrammarCard> found = fetch(QStringLiteral("id = ?"), { id }, QString());
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

QList<GrammarCard> GrammarCardStore::dueCards(const std::optional<QString>& topic) const
{
    const qint64 now = toMs(m_clock());
    if (topic)
        return fetch(
            QStringLiteral("topic = ? AND due_date <= ?"), { text(*topic), now }, QStringLiteral("due_date, id"));
    return fetch(QStringLiteral("due_date <= ?"), { now }, QStringLiteral("due_date, id"));
}

QList<GrammarCard> GrammarCardStore::allCards(const std::optional<QString>& topic) const
{
    if (topic)
        return fetch(QStringLiteral("topic = ?"), { text(*topic) }, QStringLiteral("id"));
    return fetch(QString(), {}, QStringLiteral("id"));
}

std::optional<GrammarCard> GrammarCardStore::recordReview(qint64 cardId, FSRSRating rating, double durationSeconds)
{
    const std::optional<GrammarCard> current = card(cardId);
    if (!current)
        return std::nullopt;
    const QDateTime now = m_clock();
    GrammarCard updated = *current;
    FSRSEngine::applyRating(updated, rating, now);
    // The card and its log change together or not at all.
    if (!ReviewLogTable(m_database.db(), kLogTable)
             .commitRating(QStringLiteral("grammar_card"), ReviewLogTable::RatedSchedule::of(updated), now, rating,
                 durationSeconds))
        return std::nullopt;
    return updated;
}

std::optional<int> GrammarCardStore::accuracyPercent(const QString& topic) const
{
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT COALESCE(SUM(reps), 0), COALESCE(SUM(lapses), 0) FROM grammar_card"
                                 " WHERE topic = ?"));
    query.addBindValue(text(topic));
    if (!run(query, "reading grammar accuracy") || !query.next())
        return std::nullopt;
    const double reps = query.value(0).toDouble();
    if (reps < 1)
        return std::nullopt;
    return percent(reps, query.value(1).toDouble());
}

QHash<QString, int> GrammarCardStore::accuracyByTopic() const
{
    QHash<QString, int> accuracy;
    QSqlQuery query(m_database.db());
    query.prepare(QStringLiteral("SELECT topic, SUM(reps), SUM(lapses) FROM grammar_card GROUP BY topic"
                                 " HAVING SUM(reps) >= 1"));
    if (!run(query, "reading grammar accuracy by topic"))
        return {};
    while (query.next())
        accuracy.insert(query.value(0).toString(), percent(query.value(1).toDouble(), query.value(2).toDouble()));
    return accuracy;
}

QSet<QString> GrammarCardStore::ratedTopics() const
{
    QSet<QString> topics;
    SqliteStatement query(
        m_database.db(), QStringLiteral("SELECT topic FROM grammar_card GROUP BY topic HAVING SUM(reps) >= 1"), {});
    while (query.next())
        topics.insert(query.text(0));
    if (query.failed())
        return {};
    return topics;
}

int GrammarCardStore::currentStreak() const
{
    return ReviewLogTable(m_database.db(), kLogTable).currentStreak(m_clock().toLocalTime().date());
}
