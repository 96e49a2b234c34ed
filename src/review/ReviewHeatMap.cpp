#include "review/ReviewHeatMap.h"

#include <algorithm>

ReviewHeatMap::ReviewHeatMap(const QDate& today, QMap<QDate, int> counts)
    : m_today(today)
    , m_counts(std::move(counts))
{
    // dayOfWeek() counts from Monday = 1; the columns count from Sunday = 1.
    const int weekday = today.dayOfWeek() % 7 + 1;
    const QDate weekStart = today.addDays(-(weekday - 1));
    int largest = 0;
    for (int k = -(kWeeks - 1); k <= 0; ++k) {
        const QDate columnStart = weekStart.addDays(7 * k);
        QList<QDate> column;
        for (int d = 0; d < 7; ++d) {
            const QDate day = columnStart.addDays(d);
            column << day;
            largest = std::max(largest, m_counts.value(day));
        }
        m_weeks << column;
    }
    // The counts reach a few days before the first column; those days are not drawn and must not
    // set the scale.
    m_scale = largest < 2 ? 1 : largest;
}

double ReviewHeatMap::opacity(const QDate& day) const
{
    if (isFuture(day))
        return 0.03;
    const int n = m_counts.value(day);
    if (n <= 0)
        return 0.08;
    return 0.3 + 0.6 * std::min(double(n) / m_scale, 1.0);
}
