#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Where the floating panels go, in Qt's global logical coordinates (origin top-left, y down).
class PanelPlacement
{
public:
    struct Screen
    {
        QRect frame;
        QRect available; // the frame without panels and docks
    };

    // The lookup card hangs below and to the right of the pointer, inside the available area of
    // the screen under the pointer (else the primary, the first in the list). An over-tall card
    // keeps its top edge on screen, an over-wide one its right edge.
    static QPoint overlayOrigin(QPoint anchor, QSize size, const QList<Screen>& screens);
    // The screens of this desktop, the primary first.
    static QList<Screen> desktopScreens();

    // The quick-lookup field: centred horizontally, a little above the middle of the screen.
    static std::optional<QPoint> quickLookupOrigin(QSize size, const std::optional<QRect>& available);

    // After a re-fit the quick-lookup panel keeps its horizontal centre and its top edge.
    static QPoint refittedOrigin(QRect previous, QSize size);

    static constexpr int kPointerOffset = 16;
};
