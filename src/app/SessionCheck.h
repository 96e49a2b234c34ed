#pragma once

#include <QCoreApplication>
#include <QString>

// Global key events, global pointer coordinates and silent screenshots exist only in X11
// sessions; a Wayland session gets a notice instead of triggers that never fire.
class SessionCheck
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
public:
    // sessionType: $XDG_SESSION_TYPE; platformName: the Qt platform plugin in use.
    static bool isWayland(const QString& sessionType, const QString& platformName);
    static bool isWaylandSession();
    static QString waylandNotice();
};
