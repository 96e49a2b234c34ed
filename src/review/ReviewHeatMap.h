#pragma once

#include <QDate>
#include <QList>
#include <QMap>

// The review-activity map of the last 16 weeks: columns are weeks beginning on Sunday, whatever
// the locale's first weekday, the last one holding the current week (its future days included).
// Cells are calendar dates, never local midnights, which some zones skip on their DST day.
class ReviewHeatMap
{
public:
    static constexpr int kWeeks = 16;
    static constexpr int kDaysCounted = kWeeks * 7;

    ReviewHeatMap(const QDate& today, QMap<QDate, int> counts);

    QDate today() const { return m_today; }
    const QList<QList<QDate>>& weeks() const { return m_weeks; }
    int count(const QDate& day) const { return m_counts.value(day); }
    // The count that fills a cell: the largest among the drawn days, at least 1.
    int scale() const { return m_scale; }
    bool isFuture(const QDate& day) const { return day > m_today; }
    // Future days 0.03 and days without reviews 0.08 of the text colour; reviewed days green at
    // 0.3 to 0.9 by their share of the scale.
    double opacity(const QDate& day) const;

private:
    QDate m_today;
    QMap<QDate, int> m_counts;
    QList<QList<QDate>> m_weeks;
    int m_scale = 1;
};
