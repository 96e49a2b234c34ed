#include "diagnostics/QMLog.h"
#include "platform/AccessibilityTrust.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>

#include <gio/gio.h>

namespace {

const QString kBusService = QStringLiteral("org.a11y.Bus");
const QString kBusPath = QStringLiteral("/org/a11y/bus");

// GNOME keeps its own switch; toolkits there read it at start.
void enableGnomeToolkitAccessibility()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE);
    if (!schema)
        return;
    const bool hasKey = g_settings_schema_has_key(schema, "toolkit-accessibility");
    g_settings_schema_unref(schema);
    if (!hasKey)
        return;
    GSettings* settings = g_settings_new("org.gnome.desktop.interface");
    g_settings_set_boolean(settings, "toolkit-accessibility", TRUE);
    g_settings_sync();
    g_object_unref(settings);
}

// The accessibility bus is reachable and toolkit accessibility is on (org.a11y.Status.IsEnabled).
class AtspiAccessibilityTrust final : public AccessibilityTrust
{
public:
    bool isTrusted(bool shouldPrompt) override
    {
        const bool trusted = busReachable() && isEnabled();
        if (!trusted && shouldPrompt)
            prompt();
        return trusted;
    }

    bool enable() override
    {
        if (!busReachable())
            return false;
        QDBusInterface properties(
            kBusService, kBusPath, QStringLiteral("org.freedesktop.DBus.Properties"), QDBusConnection::sessionBus());
        properties.setTimeout(1000);
        const QDBusMessage reply = properties.call(QStringLiteral("Set"), QStringLiteral("org.a11y.Status"),
            QStringLiteral("IsEnabled"), QVariant::fromValue(QDBusVariant(true)));
        if (reply.type() == QDBusMessage::ErrorMessage)
            qCWarning(lcApp).noquote() << "Could not switch accessibility on:" << reply.errorMessage();
        enableGnomeToolkitAccessibility();
        return isEnabled();
    }

private:
    static bool busReachable()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return false;
        QDBusInterface address(kBusService, kBusPath, kBusService, bus);
        address.setTimeout(1000);
        const QDBusReply<QString> reply = address.call(QStringLiteral("GetAddress"));
        return reply.isValid() && !reply.value().isEmpty();
    }

    static bool isEnabled()
    {
        QDBusInterface properties(
            kBusService, kBusPath, QStringLiteral("org.freedesktop.DBus.Properties"), QDBusConnection::sessionBus());
        properties.setTimeout(1000);
        const QDBusReply<QDBusVariant> enabled
            = properties.call(QStringLiteral("Get"), QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled"));
        return enabled.isValid() && enabled.value().variant().toBool();
    }
};

} // namespace

std::unique_ptr<AccessibilityTrust> AccessibilityTrust::createDefault()
{
    return std::make_unique<AtspiAccessibilityTrust>();
}
