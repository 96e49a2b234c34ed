#include "platform/x11/X11WindowPid.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace X11WindowPid {

std::optional<qint64> of(Display* display, unsigned long window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(
            display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining, &data)
            != Success
        || !data)
        return std::nullopt;
    std::optional<qint64> pid;
    if (type == XA_CARDINAL && format == 32 && count == 1)
        pid = qint64(*reinterpret_cast<unsigned long*>(data));
    XFree(data);
    return pid;
}

} // namespace X11WindowPid
