#pragma once

#include <QPoint>

// A global point in X11 physical pixels (the root window's space: X11, AT-SPI, screenshots
// and text recognition), origin at the top-left of the virtual desktop.
struct PhysicalPoint
{
    int x = 0;
    int y = 0;

    QPoint toQPoint() const { return { x, y }; }
    static PhysicalPoint fromQPoint(const QPoint& p) { return { p.x(), p.y() }; }

    friend bool operator==(const PhysicalPoint&, const PhysicalPoint&) = default;
};
