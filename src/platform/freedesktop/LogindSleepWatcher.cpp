#include "platform/freedesktop/LogindSleepWatcher.h"

#include "diagnostics/QMLog.h"

#include <QDBusError>

std::unique_ptr<SleepWatcher> SleepWatcher::createDefault()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    // Containers and minimal systems have no system bus: nothing is ever reported then.
    if (!bus.isConnected())
        return std::make_unique<SleepWatcher>();
    return std::make_unique<LogindSleepWatcher>(bus);
}

LogindSleepWatcher::LogindSleepWatcher(QDBusConnection bus, QObject* parent)
    : SleepWatcher(parent)
{
    const bool connected = bus.connect(QStringLiteral("org.freedesktop.login1"),
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    if (!connected)
        qCDebug(lcNotifications) << "Not watching for wake-ups:" << bus.lastError().message();
}

void LogindSleepWatcher::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        Q_EMIT resumed();
}
