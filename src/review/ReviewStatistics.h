#pragma once

#include <QDate>
#include <QMap>
#include <QString>

#include <optional>

class VocabCardStore;

// The figures of the statistics screen, each from one query of the store. Review logs carry no
// deck, so today's figures, the activity, the streak and the success rate cover every deck; the
// card counts, the mean interval and the forecast follow the chosen deck.
struct ReviewStatistics
{
    static constexpr int kForecastDays = 7;
    static constexpr int kSuccessRateDays = 30;

    QMap<QDate, int> counts;
    int todayCount = 0;
    double todayMinutes = 0;
    int streak = 0;
    std::optional<double> successRate;
    int learningCount = 0;
    int masteredCount = 0;
    std::optional<double> averageInterval;
    QMap<QDate, int> forecast;

    static ReviewStatistics load(const VocabCardStore& store, const std::optional<QString>& deck);
};
