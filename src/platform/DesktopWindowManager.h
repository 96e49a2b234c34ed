#pragma once

#include <QtGlobal>

#include <memory>

class QWidget;

// What the floating panels ask of the desktop's window manager.
class DesktopWindowManager
{
public:
    virtual ~DesktopWindowManager() = default;

    // Gives the (shown) window the keyboard as a response to the user's action at `userTime`,
    // the X server time of the triggering key event (0: unknown). Window managers that prevent
    // focus stealing compare this time with the user's last interaction.
    virtual void activate(QWidget& window, quint64 userTime) = 0;
    // Keeps a panel out of the taskbar and the pager; call before the window is first shown.
    virtual void keepOutOfTaskbar(QWidget& window) = 0;
    // A compositing manager runs, so see-through window parts really are see-through.
    virtual bool isCompositing() const = 0;
    // A mouse button is down anywhere on the desktop (read without grabbing anything).
    virtual bool isPointerButtonDown() const = 0;

    // The X11 implementation; one that only asks Qt when the session is not X11.
    static std::unique_ptr<DesktopWindowManager> createDefault();
};
