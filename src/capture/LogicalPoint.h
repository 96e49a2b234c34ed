#pragma once

#include <QPointF>

// A global point in Qt's logical pixels (QScreen::geometry(), QCursor::pos(), window
// positions), origin at the top-left of the virtual desktop. Panels are placed with it.
struct LogicalPoint
{
    double x = 0;
    double y = 0;

    QPointF toQPointF() const { return { x, y }; }
    static LogicalPoint fromQPointF(const QPointF& p) { return { p.x(), p.y() }; }

    friend bool operator==(const LogicalPoint&, const LogicalPoint&) = default;
};
