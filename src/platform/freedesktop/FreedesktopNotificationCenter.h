#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>

#include <memory>

class NotificationActionListener;

// The freedesktop.org notification server (GNOME Shell, Plasma, xfce4-notifyd,
// dunst …) that owns org.freedesktop.Notifications on the session bus, or that the bus starts on
// demand.
class FreedesktopNotificationCenter : public NotificationCenter
{
public:
    struct Options
    {
        QString appName = QStringLiteral("Quillmoor");
        QString appIcon = QStringLiteral("org.quillmoor.Quillmoor");
    };

    explicit FreedesktopNotificationCenter(QDBusConnection bus);
    FreedesktopNotificationCenter(QDBusConnection bus, Options options);

    QCoro::Task<Authorization> requestAuthorization() override;
    QCoro::Task<Result> post(UserNotification notification) override;

private:
    QDBusConnection m_bus;
    Options m_options;
    std::shared_ptr<NotificationActionListener> m_listener;
};
