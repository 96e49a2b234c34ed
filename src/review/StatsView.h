#pragma once

#include "review/ReviewStatistics.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <optional>

class ForecastView;
class HeatMapView;
class QLabel;
class VocabCardStore;

// The statistics screen of the review window: the streak badge, today's line, the activity heat
// map with its caption, four figures and the forecast of the coming week. Figures are read once,
// when the screen is built; the texts follow the interface language.
class StatsView : public QWidget
{
    Q_OBJECT
public:
    StatsView(const VocabCardStore& store, const std::optional<QString>& deck, std::function<QString()> languageCode,
        QDate today, QWidget* parent = nullptr);

    const ReviewStatistics& statistics() const { return m_stats; }
    HeatMapView* heatMap() const { return m_heatMap; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* addChip(const char* objectName);
    void retranslate();
    void showCaption();

    ReviewStatistics m_stats;
    std::function<QString()> m_languageCode;
    QDate m_today;
    QLabel* m_streak;
    QLabel* m_todayLine;
    QLabel* m_caption;
    HeatMapView* m_heatMap;
    QList<QWidget*> m_chips;
    QLabel* m_forecastTitle;
    ForecastView* m_forecast;
};
