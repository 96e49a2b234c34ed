#include "support/XTestDriver.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestDriver::XTestDriver()
    : m_display(XOpenDisplay(nullptr))
{
    int event = 0, error = 0, major = 0, minor = 0;
    if (m_display && !XTestQueryExtension(m_display, &event, &error, &major, &minor)) {
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

XTestDriver::~XTestDriver()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void XTestDriver::key(int keycode, bool down)
{
    XTestFakeKeyEvent(m_display, unsigned(keycode), down ? True : False, CurrentTime);
    XFlush(m_display);
}

int XTestDriver::keycode(unsigned long keysym) const
{
    return XKeysymToKeycode(m_display, keysym);
}

void XTestDriver::moveTo(QPoint at)
{
    XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
    XFlush(m_display);
}

void XTestDriver::click(unsigned button)
{
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    XFlush(m_display);
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
    XFlush(m_display);
}
