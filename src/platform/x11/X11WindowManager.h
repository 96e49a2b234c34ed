#pragma once

#include "platform/DesktopWindowManager.h"

// The EWMH requests of the panels, on Qt's own X connection.
class X11WindowManager final : public DesktopWindowManager
{
public:
    // Null when the application does not run on X11.
    static std::unique_ptr<X11WindowManager> create();

    void activate(QWidget& window, quint64 userTime) override;
    void keepOutOfTaskbar(QWidget& window) override;
    bool isCompositing() const override;
    bool isPointerButtonDown() const override;

private:
    X11WindowManager(void* display, unsigned long root, int screen);

    // A window manager that understands EWMH runs.
    bool hasWindowManager() const;

    void* m_display; // Display*, owned by Qt
    unsigned long m_root;
    int m_screen;
};
