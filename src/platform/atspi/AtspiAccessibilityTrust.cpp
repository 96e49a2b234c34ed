#include "platform/AccessibilityTrust.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>

namespace {

// The accessibility bus is reachable and toolkit accessibility is on (org.a11y.Status.IsEnabled).
class AtspiAccessibilityTrust final : public AccessibilityTrust
{
public:
    bool isTrusted(bool /*prompt*/) override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusInterface address(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                               QStringLiteral("org.a11y.Bus"), bus);
        address.setTimeout(1000);
        const QDBusReply<QString> reply = address.call(QStringLiteral("GetAddress"));
        if (!reply.isValid() || reply.value().isEmpty())
            return false;
        QDBusInterface properties(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                  QStringLiteral("org.freedesktop.DBus.Properties"), bus);
        properties.setTimeout(1000);
        const QDBusReply<QDBusVariant> enabled = properties.call(
            QStringLiteral("Get"), QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled"));
        return enabled.isValid() && enabled.value().variant().toBool();
    }
};

} // namespace

std::unique_ptr<AccessibilityTrust> AccessibilityTrust::createDefault()
{
    return std::make_unique<AtspiAccessibilityTrust>();
}
