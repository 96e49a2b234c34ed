#pragma once

#include <QCoroTask>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QDBusServiceWatcher;

// One PackageKit transaction on the bus: what it reports (packages, errors, progress) and how it
// ends. It also ends, as failed, when PackageKit leaves the bus.
class PackageKitTransaction : public QObject
{
    Q_OBJECT
public:
    static inline const QString kService = QStringLiteral("org.freedesktop.PackageKit");
    static inline const QString kInterface = QStringLiteral("org.freedesktop.PackageKit.Transaction");
    // PackageKit's enumerations, as the daemon sends them.
    static constexpr uint kExitSuccess = 1;
    static constexpr uint kExitFailed = 2;
    static constexpr uint kExitCancelled = 3;
    static constexpr uint kInfoInstalled = 1;
    static constexpr uint kInfoAvailable = 2;

    PackageKitTransaction(QDBusConnection bus, QDBusObjectPath path, QObject* parent = nullptr);
    ~PackageKitTransaction() override;

    QDBusObjectPath path() const { return m_path; }
    // Calls a method of the transaction; false with the error kept when the call is refused.
    QCoro::Task<bool> call(QString method, QVariantList arguments);
    // Until Finished (or PackageKit leaving); the exit code.
    QCoro::Task<uint> finished();

    // Package names by what PackageKit said of them ("name;version;arch;data" ids).
    QHash<QString, QStringList> installedIds() const { return m_byInfo.value(kInfoInstalled); }
    QHash<QString, QStringList> availableIds() const { return m_byInfo.value(kInfoAvailable); }
    QString error() const { return m_error; }

Q_SIGNALS:
    void progressChanged(int percent);
    void ended(uint exit);

private Q_SLOTS:
    void onPackage(uint info, const QString& packageId, const QString& summary);
    void onErrorCode(uint code, const QString& details);
    void onFinished(uint exit, uint runtime);
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void onServiceGone();

private:
    void end(uint exit);

    QDBusConnection m_bus;
    QDBusObjectPath m_path;
    QDBusServiceWatcher* m_watcher = nullptr;
    QHash<uint, QHash<QString, QStringList>> m_byInfo;
    QString m_error;
    std::optional<uint> m_exit;
};
