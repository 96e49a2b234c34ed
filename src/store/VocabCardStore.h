#pragma once

#include "store/FSRSRating.h"
#include "store/VocabCard.h"
#include "store/VocabCardContent.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

class CardDatabase;

// Vocabulary cards, their review logs and unlocked achievements in the card database. Each
// operation is one transaction; writes report failure instead of pretending to succeed.
class VocabCardStore
{
public:
    struct CardStats
    {
        int learning = 0;
        int mastered = 0;
    };
    // Counts that stop at a cap: enough to tell whether a threshold up to the cap is reached
    // without walking every row of a large store.
    struct BoundedCounts
    {
        int cards = 0;
        int reviews = 0;
        int mastered = 0;
    };
    struct TodayStats
    {
        int count = 0;
        double minutes = 0;
    };

    // Reads the time from `clock` when given (tests pin it), else from the system clock.
    explicit VocabCardStore(CardDatabase& database, std::function<QDateTime()> clock = {});

    // The card as stored, or nullopt when it could not be written.
    std::optional<VocabCard> addCard(const VocabCardContent& card);
    bool attachImage(qint64 cardId, const QByteArray& imageData, const QString& imageFileExtension);
    // The card with its audio and picture loaded.
    std::optional<VocabCard> cardWithMedia(qint64 cardId) const;

    // Due now, oldest due first (ties by id); only one deck when given.
    QList<VocabCard> dueCards(const std::optional<QString>& deck = std::nullopt) const;
    // The ids of the same cards in the same order, read from the due-date index alone.
    QList<qint64> dueCardIds(const std::optional<QString>& deck = std::nullopt) const;
    // How many cards of all decks are due now, counted from the due-date index; 0 when the store
    // cannot be read.
    int dueCount() const;
    QList<VocabCard> allCards(const std::optional<QString>& deck = std::nullopt) const;
    // Distinct deck names in code-point order.
    QStringList decks() const;

    // Schedules the rating and appends its log in one transaction; the updated card, or nullopt
    // when nothing was written.
    std::optional<VocabCard> recordReview(qint64 cardId, FSRSRating rating, double durationSeconds);

    int currentStreak() const;
    // The same streak, counted back at most `maxDays` days.
    int currentStreak(int maxDays) const;
    CardStats cardStats(const std::optional<QString>& deck = std::nullopt) const;
    std::optional<double> successRate(int days) const;
    // Reviews since the same time of day `days` calendar days ago, per local review day.
    QMap<QDate, int> dailyReviewCounts(int days) const;
    // Reviews since local midnight and their total duration in minutes.
    TodayStats todayStats() const;
    // Mean of stability clamped to 1 … 36500 over reviewed cards; nullopt without any.
    std::optional<double> averageIntervalDays(const std::optional<QString>& deck = std::nullopt) const;
    // Cards per local due day from today up to (not including) today + days; overdue cards are
    // not counted.
    QMap<QDate, int> upcomingLoad(int days, const std::optional<QString>& deck = std::nullopt) const;
    int cardCount() const;
    // Cards, review logs and mastered cards, each counted up to `cap`; zeros when the store
    // cannot be read.
    BoundedCounts boundedCounts(int cap) const;
    // Words of the cards reviewed at least once, oldest card first (no media is read).
    QStringList studiedWords() const;

    // The recorded achievement ids; nullopt when they cannot be read (an empty set means none).
    std::optional<QSet<QString>> unlockedAchievementIDs() const;
    // True only when this call stored the id: false when it was recorded before or the write
    // failed.
    bool recordUnlockedAchievement(const QString& achievementID);

private:
    QList<VocabCard> fetch(const QString& where, const QVariantList& values, const QString& order) const;
    std::optional<VocabCard> card(qint64 id) const;

    CardDatabase& m_database;
    std::function<QDateTime()> m_clock;
};
