#pragma once

#include "store/FSRSRating.h"
#include "store/GrammarCard.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <functional>
#include <optional>

class CardDatabase;
struct GrammarBankExercise;

// Grammar cards and their review logs, in the same card database as the vocabulary. Each
// operation is one transaction; writes report failure instead of pretending to succeed.
class GrammarCardStore
{
public:
    // An exercise made from the learner's own words.
    struct PersonalizedExercise
    {
        QString exerciseType;
        QString topic;
        QString promptText;
        QStringList choices;
        QString correctAnswer;
        QString explanation;
    };

    // Reads the time from `clock` when given (tests pin it), else from the system clock.
    explicit GrammarCardStore(CardDatabase& database, std::function<QDateTime()> clock = {});

    // Adds the exercise as a card unless one was made from the same exercise id (in any topic or
    // course); true when a card was added and stored.
    bool addBankExercise(const GrammarBankExercise& exercise, const QString& topicID, const QString& topicTitle);
    std::optional<GrammarCard> addPersonalized(const PersonalizedExercise& exercise);
    // A topic's exercises in one transaction: the number of cards added (exercises that already have
    // a card are skipped), or nullopt when nothing could be written.
    std::optional<int> addBankExercises(
        const QList<GrammarBankExercise>& exercises, const QString& topicID, const QString& topicTitle);
    // Generated exercises in one transaction, all or none; false when nothing was written.
    bool addPersonalized(const QList<PersonalizedExercise>& exercises);

    // Topic filters compare the display title exactly, letter case included.
    QList<GrammarCard> dueCards(const std::optional<QString>& topic = std::nullopt) const;
    QList<GrammarCard> allCards(const std::optional<QString>& topic = std::nullopt) const;

    // Schedules the rating and appends its log in one transaction; the updated card, or nullopt
    // when nothing was written.
    std::optional<GrammarCard> recordReview(qint64 cardId, FSRSRating rating, double durationSeconds);

    // (1 − lapses / ratings) × 100 over the topic's cards, rounded; nullopt without ratings.
    std::optional<int> accuracyPercent(const QString& topic) const;
    // The same for every topic with ratings, by topic title, in one query.
    QHash<QString, int> accuracyByTopic() const;
    int currentStreak() const;
    // The titles of the topics that have an accuracy (at least one rated card), from one grouped
    // query; an empty set when the store cannot be read.
    QSet<QString> ratedTopics() const;

private:
    std::optional<GrammarCard> insert(const GrammarCard& card, bool* duplicate);
    // Inserts within the caller's transaction: 1 added, 0 already there, -1 failed.
    int insertRow(const GrammarCard& card, qint64* id = nullptr);
    GrammarCard bankCard(const GrammarBankExercise& exercise, const QString& topicID, const QString& topicTitle) const;
    GrammarCard personalizedCard(const PersonalizedExercise& exercise) const;
    QList<GrammarCard> fetch(const QString& where, const QVariantList& values, const QString& order) const;
    std::optional<GrammarCard> card(qint64 id) const;

    CardDatabase& m_database;
    std::function<QDateTime()> m_clock;
};
