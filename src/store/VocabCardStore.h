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
    struct TodayStats
    {
        int count = 0;
        double minutes = 0;
    };

    explicit VocabCardStore(CardDatabase& database);

    // The card as stored, or nullopt when it could not be written.
    std::optional<VocabCard> addCard(const VocabCardContent& card);
    bool attachImage(qint64 cardId, const QByteArray& imageData, const QString& imageFileExtension);
    // The card with its audio and picture loaded.
    std::optional<VocabCard> cardWithMedia(qint64 cardId) const;

    // Due now, oldest due first (ties by id); only one deck when given.
    QList<VocabCard> dueCards(const std::optional<QString>& deck = std::nullopt) const;
    // The ids of the same cards in the same order, read from the due-date index alone.
    QList<qint64> dueCardIds(const std::optional<QString>& deck = std::nullopt) const;
    QList<VocabCard> allCards(const std::optional<QString>& deck = std::nullopt) const;
    // Distinct deck names in code-point order.
    QStringList decks() const;

    // Schedules the rating and appends its log in one transaction; the updated card, or nullopt
    // when nothing was written.
    std::optional<VocabCard> recordReview(qint64 cardId, FSRSRating rating, double durationSeconds);

    int currentStreak() const;
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
    // Words of the cards reviewed at least once, oldest card first (no media is read).
    QStringList studiedWords() const;

    QSet<QString> unlockedAchievementIDs() const;
    bool recordUnlockedAchievement(const QString& achievementID);

    // Tests pin the clock.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    QList<VocabCard> fetch(const QString& where, const QVariantList& values, const QString& order) const;
    std::optional<VocabCard> card(qint64 id) const;

    CardDatabase& m_database;
    std::function<QDateTime()> m_clock;
};
