#pragma once

#include <QtGlobal>

#include <optional>

typedef struct _XDisplay Display;

namespace X11WindowPid {
// The process a client names on its window (_NET_WM_PID), when it names one.
std::optional<qint64> of(Display* display, unsigned long window);
} // namespace X11WindowPid
