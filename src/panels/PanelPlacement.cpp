#include "panels/PanelPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QPoint PanelPlacement::overlayOrigin(QPoint anchor, QSize size, const QList<Screen>& screens)
{
    QPoint origin(anchor.x() + kPointerOffset, anchor.y() + kPointerOffset);
    if (screens.isEmpty())
        return origin;
    const auto under = std::find_if(
        screens.begin(), screens.end(), [anchor](const Screen& screen) { return screen.frame.contains(anchor); });
    const QRect area = (under != screens.end() ? *under : screens.first()).available;
    // Right edge: the upper bound is applied last, so a card wider than the screen keeps its
    // right edge visible. Top edge: the lower bound is applied last, so a card taller than
    // the screen keeps its top (the word) visible.
    const int x = std::min(std::max(origin.x(), area.left()), area.left() + area.width() - size.width());
    const int y = std::max(std::min(origin.y(), area.top() + area.height() - size.height()), area.top());
    return { x, y };
}

std::optional<QPoint> PanelPlacement::quickLookupOrigin(QSize size, const std::optional<QRect>& available)
{
    if (!available)
        return std::nullopt;
    const QRect& area = *available;
    const double centreX = area.left() + area.width() / 2.0;
    const double centreY = area.top() + area.height() / 2.0;
    const double x = centreX - size.width() / 2.0;
    const double y = centreY - size.height() / 2.0 - 0.15 * area.height();
    return QPoint(qRound(x), qRound(y));
}

QPoint PanelPlacement::refittedOrigin(QRect previous, QSize size)
{
    const double centreX = previous.left() + previous.width() / 2.0;
    return { qRound(centreX - size.width() / 2.0), previous.top() };
}

QList<PanelPlacement::Screen> PanelPlacement::desktopScreens()
{
    QList<Screen> screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        screens.append({ primary->geometry(), primary->availableGeometry() });
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens.append({ screen->geometry(), screen->availableGeometry() });
    }
    return screens;
}
