#pragma once

#include <QtGlobal>

// An application's top-level window on the desktop: the client window (not a window manager's
// frame) and the process that owns it (0 when it does not say).
struct TopLevelWindow
{
    quint64 window = 0;
    qint64 pid = 0;

    friend bool operator==(const TopLevelWindow&, const TopLevelWindow&) = default;
};
