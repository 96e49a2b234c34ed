#pragma once

#include "review/PaintedCells.h"

#include <QDate>
#include <QMap>

#include <functional>

// Cards falling due on each of the next days: one bar per day with its count above and the
// narrow weekday name below.
class ForecastView : public PaintedCells
{
    Q_OBJECT
public:
    using DayText = std::function<QString(const QDate& day, int count)>;

    // `weekday` names a day under its bar; `caption` is a day's accessible name.
    ForecastView(
        QDate firstDay, int days, QMap<QDate, int> counts, DayText weekday, DayText caption, QWidget* parent = nullptr);

    // Bar height in pixels: 4 for none, up to 40 for the busiest day.
    static double barHeight(int count, int largest);

    int cellCount() const override { return m_days; }
    QRect cellRect(int index) const override;
    QString cellText(int index) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QDate m_firstDay;
    int m_days;
    QMap<QDate, int> m_counts;
    int m_largest = 0;
    DayText m_weekday;
    DayText m_caption;
};
