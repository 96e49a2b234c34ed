#pragma once

#include <QObject>

#include <functional>

class NotificationCenter;
class TrayIconController;

// After a crash the next start offers, once, to send the report the crash handler appended to
// diagnostics.log: a notification with a "send report" button, or the tray icon's balloon (a
// click on it sends) where the desktop runs no notification server.
class CrashReportOffer : public QObject
{
    Q_OBJECT

public:
    CrashReportOffer(NotificationCenter& notifications, TrayIconController& tray, std::function<void()> send,
        QObject* parent = nullptr);

    void offer();

private:
    NotificationCenter& m_notifications;
    TrayIconController& m_tray;
    std::function<void()> m_send;
};
