#include "capture/ScreenPointMapper.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <limits>

namespace {

double distanceSquared(const QRectF& rect, const QPointF& p)
{
    const double dx = std::max({ rect.left() - p.x(), 0.0, p.x() - rect.right() });
    const double dy = std::max({ rect.top() - p.y(), 0.0, p.y() - rect.bottom() });
    return dx * dx + dy * dy;
}

// Half-open containment: the right and bottom edges belong to the next screen.
bool holds(const QRectF& rect, const QPointF& p)
{
    return p.x() >= rect.left() && p.x() < rect.right() && p.y() >= rect.top() && p.y() < rect.bottom();
}

} // namespace

ScreenPointMapper::ScreenPointMapper(QList<Screen> screens)
    : m_screens(std::move(screens))
{
}

ScreenPointMapper ScreenPointMapper::fromScreens(const QList<QScreen*>& screens)
{
    QList<Screen> list;
    for (const QScreen* screen : screens) {
        if (screen)
            list.append(Screen { screen->geometry(), screen->devicePixelRatio() });
    }
    return ScreenPointMapper(std::move(list));
}

ScreenPointMapper ScreenPointMapper::fromApplicationScreens()
{
    return fromScreens(QGuiApplication::screens());
}

QRectF ScreenPointMapper::physicalGeometry(const Screen& screen)
{
    const QRectF logical(screen.logicalGeometry);
    return QRectF(logical.topLeft(), logical.size() * screen.devicePixelRatio);
}

const ScreenPointMapper::Screen* ScreenPointMapper::screenAt(const QPointF& point, bool physical) const
{
    const Screen* nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (const Screen& screen : m_screens) {
        const QRectF rect = physical ? physicalGeometry(screen) : QRectF(screen.logicalGeometry);
        if (holds(rect, point))
            return &screen;
        const double d = distanceSquared(rect, point);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    return nearest;
}

PhysicalPoint ScreenPointMapper::toPhysical(const LogicalPoint& point) const
{
    const QPointF p = point.toQPointF();
    const Screen* screen = screenAt(p, false);
    if (!screen)
        return { int(std::lround(p.x())), int(std::lround(p.y())) };
    const QPointF origin = screen->logicalGeometry.topLeft();
    const QPointF mapped = origin + (p - origin) * screen->devicePixelRatio;
    return { int(std::lround(mapped.x())), int(std::lround(mapped.y())) };
}

LogicalPoint ScreenPointMapper::toLogical(const PhysicalPoint& point) const
{
    const QPointF p(point.x, point.y);
    const Screen* screen = screenAt(p, true);
    if (!screen || screen->devicePixelRatio <= 0)
        return LogicalPoint::fromQPointF(p);
    const QPointF origin = screen->logicalGeometry.topLeft();
    return LogicalPoint::fromQPointF(origin + (p - origin) / screen->devicePixelRatio);
}
