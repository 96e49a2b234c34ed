#include "platform/PrimarySelection.h"

#include "diagnostics/QMLog.h"

#include <QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>

namespace {

constexpr int kTimeoutMs = 200;

// Asks the selection owner for its text on a connection of our own, on a worker thread, so a
// slow owner (or Quillmoor itself owning the selection) can never block the GUI thread.
std::optional<QString> readPrimary()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    std::optional<QString> text;
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom target = XInternAtom(display, "QUILLMOOR_SELECTION", False);
    if (XGetSelectionOwner(display, XA_PRIMARY) != None) {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XConvertSelection(display, XA_PRIMARY, utf8, target, window, CurrentTime);
        XFlush(display);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
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
    QCoro::Task<std::optional<QString>> read() override { co_return co_await QtConcurrent::run(readPrimary); }
};

} // namespace

std::unique_ptr<PrimarySelection> PrimarySelection::createX11()
{
    return std::make_unique<X11PrimarySelection>();
}
