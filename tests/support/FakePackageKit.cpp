#include "support/FakePackageKit.h"

#include <QDBusMessage>
#include <QTimer>

namespace {
constexpr uint kInfoInstalled = 1;
constexpr uint kInfoAvailable = 2;
constexpr uint kExitSuccess = 1;
constexpr uint kExitFailed = 2;
constexpr uint kExitCancelled = 3;
constexpr uint kErrorCancelled = 17;
constexpr uint kErrorPackageDownloadFailed = 14;

QString packageId(const QString& name, bool installed)
{
    return name + QStringLiteral(";1.0-1;all;") + (installed ? QStringLiteral("installed") : QStringLiteral("debian"));
}
} // namespace

FakePackageKit::FakePackageKit(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    m_registered
        = m_bus.registerObject(QStringLiteral("/org/freedesktop/PackageKit"), this, QDBusConnection::ExportAllSlots)
        && m_bus.registerService(QStringLiteral("org.freedesktop.PackageKit"));
}

FakePackageKit::~FakePackageKit()
{
    m_bus.unregisterService(QStringLiteral("org.freedesktop.PackageKit"));
    m_bus.unregisterObject(QStringLiteral("/org/freedesktop/PackageKit"));
    for (const auto& transaction : m_transactions)
        m_bus.unregisterObject(transaction->objectName());
}

QDBusObjectPath FakePackageKit::CreateTransaction()
{
    const QString path = QStringLiteral("/%1_fake").arg(++m_next);
    auto transaction = std::make_unique<FakePackageKitTransaction>(*this, path);
    m_bus.registerObject(path, transaction.get(), QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
    m_transactions.push_back(std::move(transaction));
    return QDBusObjectPath(path);
}

FakePackageKitTransaction::FakePackageKitTransaction(FakePackageKit& owner, QString path)
    : m_owner(owner)
    , m_path(std::move(path))
{
    setObjectName(m_path);
}

void FakePackageKitTransaction::SetHints(const QStringList& hints)
{
    m_owner.hints << hints;
}

void FakePackageKitTransaction::Resolve(qulonglong, const QStringList& packages)
{
    m_owner.resolved << packages;
    // The answer comes as signals after the call has returned.
    QTimer::singleShot(0, this, [this, packages] {
        for (const QString& name : packages) {
            if (m_owner.installed.contains(name))
                Q_EMIT Package(kInfoInstalled, packageId(name, true), name);
            else if (m_owner.available.contains(name))
                Q_EMIT Package(kInfoAvailable, packageId(name, false), name);
        }
        Q_EMIT Finished(kExitSuccess, 5);
    });
}

void FakePackageKitTransaction::InstallPackages(qulonglong, const QStringList& packageIds)
{
    m_owner.installRequests << packageIds;
    QTimer::singleShot(0, this, [this, packageIds] {
        switch (m_owner.outcome) {
        case FakePackageKit::InstallOutcome::Success:
            for (uint percent : std::as_const(m_owner.progress))
                sendPercentage(percent);
            for (const QString& id : packageIds)
                m_owner.installed.insert(id.section(QLatin1Char(';'), 0, 0));
            Q_EMIT Finished(kExitSuccess, 900);
            return;
        case FakePackageKit::InstallOutcome::Failure:
            sendPercentage(m_owner.progress.value(0));
            Q_EMIT ErrorCode(kErrorPackageDownloadFailed, m_owner.failureText);
            Q_EMIT Finished(kExitFailed, 300);
            return;
        case FakePackageKit::InstallOutcome::Cancelled:
            Q_EMIT ErrorCode(kErrorCancelled, QStringLiteral("The task was cancelled"));
            Q_EMIT Finished(kExitCancelled, 100);
            return;
        case FakePackageKit::InstallOutcome::Hang:
            return;
        }
    });
}

void FakePackageKitTransaction::Cancel()
{
    Q_EMIT ErrorCode(kErrorCancelled, QStringLiteral("The task was cancelled"));
    Q_EMIT Finished(kExitCancelled, 1);
}

void FakePackageKitTransaction::sendPercentage(uint percent)
{
    QDBusMessage changed = QDBusMessage::createSignal(
        m_path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    changed << QStringLiteral("org.freedesktop.PackageKit.Transaction")
            << QVariantMap { { QStringLiteral("Percentage"), QVariant::fromValue(percent) } } << QStringList();
    m_owner.bus().send(changed);
}
