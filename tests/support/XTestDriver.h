#pragma once

#include <QPoint>

struct _XDisplay;

// Keys, pointer moves and clicks sent from a second X connection, as another client (or the
// user) would: the server, not Qt, decides who sees them. X's headers stay out of the tests'
// way in the implementation.
class XTestDriver
{
public:
    XTestDriver();
    ~XTestDriver();
    XTestDriver(const XTestDriver&) = delete;
    XTestDriver& operator=(const XTestDriver&) = delete;

    // A display with the XTest extension was found.
    bool isOpen() const { return m_display != nullptr; }
    _XDisplay* display() const { return m_display; }

    void key(int keycode, bool down);
    int keycode(unsigned long keysym) const;
    void moveTo(QPoint at);
    void click(unsigned button = 1);

private:
    _XDisplay* m_display = nullptr;
};
