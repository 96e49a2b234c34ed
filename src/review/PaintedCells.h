#pragma once

#include <QWidget>

// A painted widget made of cells (the days of a chart). Screen readers cannot see painted cells,
// so each one is exposed to accessibility as a child with its caption as the accessible name.
class PaintedCells : public QWidget
{
    Q_OBJECT
public:
    explicit PaintedCells(QWidget* parent = nullptr);

    virtual int cellCount() const = 0;
    // In the widget's coordinates.
    virtual QRect cellRect(int index) const = 0;
    virtual QString cellText(int index) const = 0;
    // The index of the cell under the point, -1 outside every cell.
    int cellAt(const QPoint& point) const;
};
