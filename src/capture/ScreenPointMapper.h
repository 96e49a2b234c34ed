#pragma once

#include "capture/LogicalPoint.h"
#include "capture/PhysicalPoint.h"

#include <QList>
#include <QRect>

class QScreen;

// Converts global points between Qt's logical pixels and X11 physical pixels, once per
// screen by that screen's device pixel ratio. Qt keeps each screen's top-left corner at the
// same coordinates in both spaces and scales only its extent, so a point is mapped relative
// to the top-left corner of the screen that holds it.
class ScreenPointMapper
{
public:
    struct Screen
    {
        QRect logicalGeometry; // QScreen::geometry()
        qreal devicePixelRatio = 1.0;
    };

    ScreenPointMapper() = default;
    explicit ScreenPointMapper(QList<Screen> screens);
    static ScreenPointMapper fromScreens(const QList<QScreen*>& screens);
    // The screens of the running application.
    static ScreenPointMapper fromApplicationScreens();

    const QList<Screen>& screens() const { return m_screens; }

    // Points off every screen use the nearest screen; without screens both are the identity.
    PhysicalPoint toPhysical(const LogicalPoint& point) const;
    LogicalPoint toLogical(const PhysicalPoint& point) const;

private:
    static QRectF physicalGeometry(const Screen& screen);
    const Screen* screenAt(const QPointF& point, bool physical) const;

    QList<Screen> m_screens;
};
