#pragma once

#include "review/PaintedCells.h"
#include "review/ReviewHeatMap.h"

#include <functional>
#include <optional>

// The heat map of review activity: 16 week columns of 7 day cells. Hovering a cell reports its
// day, so the caption above can name it.
class HeatMapView : public PaintedCells
{
    Q_OBJECT
public:
    using Caption = std::function<QString(const QDate& day, int count)>;

    HeatMapView(ReviewHeatMap map, Caption caption, QWidget* parent = nullptr);

    const ReviewHeatMap& map() const { return m_map; }
    std::optional<QDate> hoveredDay() const { return m_hovered; }
    QDate dayAt(int index) const;

    int cellCount() const override { return ReviewHeatMap::kDaysCounted; }
    QRect cellRect(int index) const override;
    QString cellText(int index) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void hoveredDayChanged(std::optional<QDate> day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int cellSide() const;
    void setHovered(std::optional<QDate> day);

    ReviewHeatMap m_map;
    Caption m_caption;
    std::optional<QDate> m_hovered;
};
