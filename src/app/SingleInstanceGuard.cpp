#include "app/SingleInstanceGuard.h"

#include "app/FreedesktopApplicationAdaptor.h"
#include "diagnostics/QMLog.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QStandardPaths>

SingleInstanceGuard::SingleInstanceGuard(QString serviceName, QObject* parent)
    : QObject(parent)
    , m_serviceName(std::move(serviceName))
{
    new FreedesktopApplicationAdaptor(this);
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (!m_ownsName)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kObjectPath);
    bus.unregisterService(m_serviceName);
}

bool SingleInstanceGuard::claim(const QString& action)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        const auto reply = bus.interface()->registerService(
            m_serviceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_ownsName = true;
            bus.registerObject(
                kObjectPath, this, QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportAdaptors);
            return true;
        }
        if (action.isEmpty()) {
            qCInfo(lcApp) << "Quillmoor is already running; asking it to open its settings";
            bus.call(
                QDBusMessage::createMethodCall(m_serviceName, kObjectPath, kServiceName, QStringLiteral("Activate")),
                QDBus::Block, 2000);
            return false;
        }
        qCInfo(lcApp).noquote() << QStringLiteral("Quillmoor is already running; handing it \"%1\"").arg(action);
        QDBusMessage call = QDBusMessage::createMethodCall(
            m_serviceName, kObjectPath, FreedesktopApplicationAdaptor::kInterface, QStringLiteral("ActivateAction"));
        call << action << QVariantList() << QVariantMap();
        const QDBusMessage answer = bus.call(call, QDBus::Block, 2000);
        if (answer.type() == QDBusMessage::ErrorMessage)
            qCWarning(lcApp).noquote() << answer.errorMessage();
        return false;
    }
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + m_serviceName + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    qCInfo(lcApp) << "Quillmoor is already running";
    return false;
}

void SingleInstanceGuard::Activate()
{
    Q_EMIT activationRequested();
}
