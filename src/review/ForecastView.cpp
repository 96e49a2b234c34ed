#include "review/ForecastView.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kLabelHeight = 16;
constexpr int kBarArea = 40;
constexpr int kBarWidth = 22;
} // namespace

ForecastView::ForecastView(
    QDate firstDay, int days, QMap<QDate, int> counts, DayText weekday, DayText caption, QWidget* parent)
    : PaintedCells(parent)
    , m_firstDay(firstDay)
    , m_days(days)
    , m_counts(std::move(counts))
    , m_weekday(std::move(weekday))
    , m_caption(std::move(caption))
{
    setObjectName(QStringLiteral("forecast"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (int i = 0; i < m_days; ++i)
        m_largest = std::max(m_largest, m_counts.value(m_firstDay.addDays(i)));
}

double ForecastView::barHeight(int count, int largest)
{
    const int scale = largest < 2 ? 1 : largest;
    return double(count) / scale * 36 + 4;
}

QRect ForecastView::cellRect(int index) const
{
    const int column = width() / std::max(m_days, 1);
    return QRect(index * column, 0, column, height());
}

QString ForecastView::cellText(int index) const
{
    const QDate day = m_firstDay.addDays(index);
    return m_caption(day, m_counts.value(day));
}

QSize ForecastView::sizeHint() const
{
    return QSize(m_days * (kBarWidth + 16), kLabelHeight * 2 + kBarArea + 4);
}

void ForecastView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    QColor secondary = text;
    secondary.setAlphaF(0.6);
    QFont small = font();
    small.setPointSizeF(10);
    painter.setFont(small);
    const int baseline = kLabelHeight + kBarArea + 2;
    for (int i = 0; i < m_days; ++i) {
        const QDate day = m_firstDay.addDays(i);
        const int count = m_counts.value(day);
        const QRect column = cellRect(i);
        const double height = barHeight(count, m_largest);
        const QRectF bar(column.center().x() - kBarWidth / 2.0, baseline - height, kBarWidth, height);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlphaF(count > 0 ? 0.85 : 0.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(bar, 4, 4);
        painter.setPen(text);
        painter.drawText(QRectF(column.left(), bar.top() - kLabelHeight, column.width(), kLabelHeight),
            Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
        painter.setPen(secondary);
        painter.drawText(
            QRectF(column.left(), baseline + 2, column.width(), kLabelHeight), Qt::AlignCenter, m_weekday(day, count));
    }
}
