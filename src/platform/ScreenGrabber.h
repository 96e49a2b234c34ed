#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

// Reads the pixels of a rectangle of the screen, without the pointer.
class ScreenGrabber
{
public:
    struct Grab
    {
        QImage image; // null on failure
        QString error;
    };

    virtual ~ScreenGrabber() = default;

    // region is in global physical pixels; parts outside every screen come back black.
    virtual Grab grab(const QRect& region) = 0;

    static std::unique_ptr<ScreenGrabber> createX11();
};
