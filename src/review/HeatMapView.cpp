#include "review/HeatMapView.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kGap = 3;
constexpr int kMaxSide = 15;
constexpr int kMinSide = 8;
const QColor kGreen(0x34, 0xc7, 0x59);
} // namespace

HeatMapView::HeatMapView(ReviewHeatMap map, Caption caption, QWidget* parent)
    : PaintedCells(parent)
    , m_map(std::move(map))
    , m_caption(std::move(caption))
{
    setObjectName(QStringLiteral("heatMap"));
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QDate HeatMapView::dayAt(int index) const
{
    return m_map.weeks().at(index / 7).at(index % 7);
}

int HeatMapView::cellSide() const
{
    const int side = (width() - (ReviewHeatMap::kWeeks - 1) * kGap) / ReviewHeatMap::kWeeks;
    return std::clamp(side, kMinSide, kMaxSide);
}

QRect HeatMapView::cellRect(int index) const
{
    const int side = cellSide();
    const int used = ReviewHeatMap::kWeeks * side + (ReviewHeatMap::kWeeks - 1) * kGap;
    const int left = std::max(0, (width() - used) / 2);
    return QRect(left + (index / 7) * (side + kGap), (index % 7) * (side + kGap), side, side);
}

QString HeatMapView::cellText(int index) const
{
    const QDate day = dayAt(index);
    return m_caption(day, m_map.count(day));
}

QSize HeatMapView::sizeHint() const
{
    return QSize(ReviewHeatMap::kWeeks * (kMaxSide + kGap), 7 * (kMaxSide + kGap));
}

QSize HeatMapView::minimumSizeHint() const
{
    return QSize(ReviewHeatMap::kWeeks * (kMinSide + kGap), 7 * (kMinSide + kGap));
}

void HeatMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor primary = palette().color(QPalette::WindowText);
    for (int i = 0; i < cellCount(); ++i) {
        const QDate day = dayAt(i);
        QColor color = m_map.isFuture(day) || m_map.count(day) <= 0 ? primary : kGreen;
        color.setAlphaF(m_map.opacity(day));
        painter.setBrush(color);
        painter.drawRoundedRect(cellRect(i), 3, 3);
        if (m_hovered == day) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
            painter.drawRoundedRect(QRectF(cellRect(i)).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            painter.setPen(Qt::NoPen);
        }
    }
}

void HeatMapView::mouseMoveEvent(QMouseEvent* event)
{
    const int index = cellAt(event->position().toPoint());
    setHovered(index < 0 ? std::nullopt : std::optional(dayAt(index)));
}

void HeatMapView::leaveEvent(QEvent*)
{
    setHovered(std::nullopt);
}

void HeatMapView::setHovered(std::optional<QDate> day)
{
    if (day == m_hovered)
        return;
    m_hovered = day;
    update();
    Q_EMIT hoveredDayChanged(day);
}
