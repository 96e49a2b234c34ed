#include "diagnostics/QMLog.h"
#include "platform/PrimarySelection.h"
#include "platform/x11/X11WindowPid.h"

#include <QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>

namespace {

// The process of a selection owner: on the owner window itself or one of its ancestors. Many
// toolkits own selections through a hidden window that carries no process id.
std::optional<qint64> ownerPid(Display* display, Window owner)
{
    for (Window window = owner; window != None;) {
        if (const std::optional<qint64> pid = X11WindowPid::of(display, window))
            return pid;
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return std::nullopt;
        if (children)
            XFree(children);
        window = parent == root ? None : parent;
    }
    return std::nullopt;
}

// The bits of a resource id a client chooses itself; the rest identify the client. The same
// for every client of a server, read once (Xlib keeps it private, the connection setup has it).
XID resourceIdMask()
{
    static const XID mask = [] {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const XID value = xcb_connection_has_error(connection) ? 0 : xcb_get_setup(connection)->resource_id_mask;
        xcb_disconnect(connection);
        return value;
    }();
    return mask;
}

// Whether the owner of PRIMARY is the application of the window. Windows a client creates share
// the client's resource-id base, which covers owner windows without a process id; the process id
// covers applications with several connections.
bool ownedBy(Display* display, Window owner, const TopLevelWindow& under)
{
    const XID mask = resourceIdMask();
    if (mask != 0 && under.window != 0 && (owner & ~mask) == (XID(under.window) & ~mask))
        return true;
    const std::optional<qint64> pid = ownerPid(display, owner);
    return under.pid > 0 && pid && *pid == under.pid;
}

// Asks the selection owner for its text on a connection of our own, on a worker thread, so a
// slow owner (or Quillmoor itself owning the selection) can never block the GUI thread.
std::optional<QString> readPrimary(TopLevelWindow under)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    const Window owner = XGetSelectionOwner(display, XA_PRIMARY);
    if (owner == None) {
        XCloseDisplay(display);
        return std::nullopt;
    }
    if (!ownedBy(display, owner, under)) {
        qCDebug(lcCapture) << "PRIMARY belongs to another application — not used";
        XCloseDisplay(display);
        return std::nullopt;
    }
    std::optional<QString> text;
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom target = XInternAtom(display, "QUILLMOOR_SELECTION", False);
    {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XConvertSelection(display, XA_PRIMARY, utf8, target, window, CurrentTime);
        XFlush(display);
        const auto deadline
            = std::chrono::steady_clock::now() + std::chrono::milliseconds(PrimarySelection::kTimeoutMs);
        bool answered = false;
        bool converted = false;
        while (!answered) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == SelectionNotify && event.xselection.requestor == window) {
                    answered = true;
                    converted = event.xselection.property != None;
                }
            }
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (answered || left.count() <= 0)
                break;
            pollfd descriptor { ConnectionNumber(display), POLLIN, 0 };
            poll(&descriptor, 1, int(left.count()));
        }
        if (converted) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0;
            unsigned long remaining = 0;
            unsigned char* data = nullptr;
            // Up to 1 MiB; larger (incremental) transfers are not a word to look up.
            if (XGetWindowProperty(display, window, target, 0, 256 * 1024, True, AnyPropertyType, &type, &format,
                    &count, &remaining, &data)
                    == Success
                && data) {
                if (format == 8 && (type == utf8 || type == XA_STRING))
                    text = type == utf8 ? QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(count))
                                        : QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(count));
                XFree(data);
            }
        }
        XDestroyWindow(display, window);
    }
    XCloseDisplay(display);
    return text;
}

class X11PrimarySelection final : public PrimarySelection
{
public:
    QCoro::Task<std::optional<QString>> read(TopLevelWindow window) override
    {
        QFuture<std::optional<QString>> reading = QtConcurrent::run(readPrimary, window);
        co_return co_await reading;
    }
};

} // namespace

std::unique_ptr<PrimarySelection> PrimarySelection::createX11()
{
    return std::make_unique<X11PrimarySelection>();
}
