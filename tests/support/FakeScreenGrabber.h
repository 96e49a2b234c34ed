#pragma once

#include "platform/ScreenGrabber.h"

#include <QList>

// A screen that is an image: grabs are copies of its rectangles (black outside it).
class FakeScreenGrabber : public ScreenGrabber
{
public:
    QImage screen { 1920, 1080, QImage::Format_RGB32 };
    QList<QRect> requests;
    bool fail = false;

    FakeScreenGrabber() { screen.fill(Qt::white); }

    Grab grab(const QRect& region) override
    {
        requests.append(region);
        if (fail)
            return { QImage(), QStringLiteral("refused") };
        return { screen.copy(region), QString() };
    }
};
