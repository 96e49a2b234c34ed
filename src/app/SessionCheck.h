#pragma once

#include <QCoreApplication>
#include <QString>

// What a Wayland session is told: triggers and capture need X11, the windows still work.
class SessionCheck
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
public:
    static QString waylandNotice();
};
