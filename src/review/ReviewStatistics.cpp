#include "review/ReviewStatistics.h"

#include "review/ReviewHeatMap.h"
#include "store/VocabCardStore.h"

ReviewStatistics ReviewStatistics::load(const VocabCardStore& store, const std::optional<QString>& deck)
{
    ReviewStatistics stats;
    stats.counts = store.dailyReviewCounts(ReviewHeatMap::kDaysCounted);
    const VocabCardStore::TodayStats today = store.todayStats();
    stats.todayCount = today.count;
    stats.todayMinutes = today.minutes;
    stats.streak = store.currentStreak();
    stats.successRate = store.successRate(kSuccessRateDays);
    const VocabCardStore::CardStats cards = store.cardStats(deck);
    stats.learningCount = cards.learning;
    stats.masteredCount = cards.mastered;
    stats.averageInterval = store.averageIntervalDays(deck);
    stats.forecast = store.upcomingLoad(kForecastDays, deck);
    return stats;
}
