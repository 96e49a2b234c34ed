#include "settings/PackageKitTransaction.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QPointer>
#include <qcorodbuspendingcall.h>
#include <qcorosignal.h>

PackageKitTransaction::PackageKitTransaction(QDBusConnection bus, QDBusObjectPath path, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_path(std::move(path))
    , m_watcher(new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForUnregistration, this))
{
    const QString at = m_path.path();
    m_bus.connect(kService, at, kInterface, QStringLiteral("Package"), this, SLOT(onPackage(uint, QString, QString)));
    m_bus.connect(kService, at, kInterface, QStringLiteral("ErrorCode"), this, SLOT(onErrorCode(uint, QString)));
    m_bus.connect(kService, at, kInterface, QStringLiteral("Finished"), this, SLOT(onFinished(uint, uint)));
    m_bus.connect(kService, at, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        this, SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &PackageKitTransaction::onServiceGone);
}

PackageKitTransaction::~PackageKitTransaction()
{
    const QString at = m_path.path();
    m_bus.disconnect(
        kService, at, kInterface, QStringLiteral("Package"), this, SLOT(onPackage(uint, QString, QString)));
    m_bus.disconnect(kService, at, kInterface, QStringLiteral("ErrorCode"), this, SLOT(onErrorCode(uint, QString)));
    m_bus.disconnect(kService, at, kInterface, QStringLiteral("Finished"), this, SLOT(onFinished(uint, uint)));
    m_bus.disconnect(kService, at, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"), this, SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
}

QCoro::Task<bool> PackageKitTransaction::call(QString method, QVariantList arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, m_path.path(), kInterface, method);
    message.setArguments(arguments);
    QPointer<PackageKitTransaction> self(this);
    const QDBusPendingCall pending = m_bus.asyncCall(message);
    const QDBusMessage reply = co_await pending;
    if (!self)
        co_return false;
    if (reply.type() == QDBusMessage::ErrorMessage) {
        m_error = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
        co_return false;
    }
    co_return true;
}

QCoro::Task<uint> PackageKitTransaction::finished()
{
    if (!m_exit)
        co_await qCoro(this, &PackageKitTransaction::ended);
    co_return m_exit.value_or(kExitFailed);
}

void PackageKitTransaction::onPackage(uint info, const QString& packageId, const QString&)
{
    const QString name = packageId.section(QLatin1Char(';'), 0, 0);
    m_byInfo[info][name] << packageId;
}

void PackageKitTransaction::onErrorCode(uint code, const QString& details)
{
    m_error = details.isEmpty() ? QStringLiteral("PackageKit error %1").arg(code) : details;
}

void PackageKitTransaction::onFinished(uint exit, uint)
{
    end(exit);
}

void PackageKitTransaction::onPropertiesChanged(const QString&, const QVariantMap& changed, const QStringList&)
{
    const auto percentage = changed.constFind(QStringLiteral("Percentage"));
    if (percentage == changed.constEnd())
        return;
    // 101 means "not known yet".
    const uint percent = percentage->toUInt();
    if (percent <= 100)
        Q_EMIT progressChanged(int(percent));
}

void PackageKitTransaction::onServiceGone()
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("PackageKit left the bus");
    end(kExitFailed);
}

void PackageKitTransaction::end(uint exit)
{
    if (m_exit)
        return;
    m_exit = exit;
    Q_EMIT ended(exit);
}
