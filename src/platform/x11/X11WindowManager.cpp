#include "platform/x11/X11WindowManager.h"

#include "diagnostics/QMLog.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

Display* asDisplay(void* display)
{
    return static_cast<Display*>(display);
}

Atom atom(Display* display, const char* name)
{
    return XInternAtom(display, name, False);
}

// Falls back to Qt's own activation where no X11 session is available.
class QtWindowManager final : public DesktopWindowManager
{
public:
    void activate(QWidget& window, quint64) override { window.activateWindow(); }
    void keepOutOfTaskbar(QWidget&) override { }
    bool isCompositing() const override { return false; }
    bool isPointerButtonDown() const override { return QGuiApplication::mouseButtons() != Qt::NoButton; }
};

} // namespace

std::unique_ptr<DesktopWindowManager> DesktopWindowManager::createDefault()
{
    if (auto x11 = X11WindowManager::create())
        return x11;
    return std::make_unique<QtWindowManager>();
}

std::unique_ptr<X11WindowManager> X11WindowManager::create()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return nullptr;
    Display* display = x11->display();
    const int screen = DefaultScreen(display);
    return std::unique_ptr<X11WindowManager>(new X11WindowManager(display, RootWindow(display, screen), screen));
}

X11WindowManager::X11WindowManager(void* display, unsigned long root, int screen)
    : m_display(display)
    , m_root(root)
    , m_screen(screen)
{
}

bool X11WindowManager::hasWindowManager() const
{
    Display* display = asDisplay(m_display);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, m_root, atom(display, "_NET_SUPPORTING_WM_CHECK"), 0, 1, False,
        XA_WINDOW, &type, &format, &count, &remaining, &data);
    const bool present = status == Success && type == XA_WINDOW && count == 1;
    if (data)
        XFree(data);
    return present;
}

void X11WindowManager::activate(QWidget& window, quint64 userTime)
{
    // Qt covers a desktop without a window manager (it sets the input focus itself once mapped).
    window.activateWindow();
    if (!hasWindowManager())
        return;
    Display* display = asDisplay(m_display);
    const Window id = window.winId();
    const auto time = static_cast<unsigned long>(userTime ? userTime : CurrentTime);
    if (userTime) {
        const long value = long(userTime);
        XChangeProperty(display, id, atom(display, "_NET_WM_USER_TIME"), XA_CARDINAL, 32, PropModeReplace,
            reinterpret_cast<const unsigned char*>(&value), 1);
    }
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = atom(display, "_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // an application's request on behalf of the user
    event.xclient.data.l[1] = long(time);
    event.xclient.data.l[2] = 0;
    XSendEvent(display, m_root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    qCDebug(lcApp) << "Activation requested with user time" << userTime;
}

void X11WindowManager::keepOutOfTaskbar(QWidget& window)
{
    Display* display = asDisplay(m_display);
    const Window id = window.winId();
    const Atom states[] = { atom(display, "_NET_WM_STATE_SKIP_TASKBAR"), atom(display, "_NET_WM_STATE_SKIP_PAGER") };
    XChangeProperty(display, id, atom(display, "_NET_WM_STATE"), XA_ATOM, 32, PropModeAppend,
        reinterpret_cast<const unsigned char*>(states), 2);
    XFlush(display);
}

bool X11WindowManager::isCompositing() const
{
    Display* display = asDisplay(m_display);
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(m_screen);
    return XGetSelectionOwner(display, atom(display, selection.constData())) != None;
}

bool X11WindowManager::isPointerButtonDown() const
{
    Display* display = asDisplay(m_display);
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, m_root, &root, &child, &rootX, &rootY, &x, &y, &mask))
        return false;
    return (mask & (Button1Mask | Button2Mask | Button3Mask)) != 0;
}
