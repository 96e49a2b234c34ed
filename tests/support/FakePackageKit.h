#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

class FakePackageKitTransaction;

// PackageKit as the system bus shows it, for one test: CreateTransaction makes transactions that
// resolve names against `installed` and `available` and install with the configured outcome,
// reporting Package, ErrorCode, Percentage and Finished the way the daemon does (after the
// method call has returned).
class FakePackageKit : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit")
public:
    // Hang: the install is accepted and never reports anything.
    enum class InstallOutcome { Success, Failure, Cancelled, Hang };

    explicit FakePackageKit(QDBusConnection bus, QObject* parent = nullptr);
    ~FakePackageKit() override;

    bool isRegistered() const { return m_registered; }

    QSet<QString> installed;
    QSet<QString> available;
    InstallOutcome outcome = InstallOutcome::Success;
    QList<uint> progress { 10, 55, 100 };
    QString failureText = QStringLiteral("E: Unable to fetch some archives");

    // What clients asked for, in order.
    QList<QStringList> resolved;
    QList<QStringList> installRequests;
    QList<QStringList> hints;

    QDBusConnection bus() const { return m_bus; }

public Q_SLOTS:
    QDBusObjectPath CreateTransaction();

private:
    QDBusConnection m_bus;
    bool m_registered = false;
    int m_next = 0;
    std::vector<std::unique_ptr<FakePackageKitTransaction>> m_transactions;
};

class FakePackageKitTransaction : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit.Transaction")
public:
    FakePackageKitTransaction(FakePackageKit& owner, QString path);

public Q_SLOTS:
    void SetHints(const QStringList& hints);
    void Resolve(qulonglong filter, const QStringList& packages);
    void InstallPackages(qulonglong flags, const QStringList& packageIds);
    void Cancel();

Q_SIGNALS:
    void Package(uint info, const QString& packageId, const QString& summary);
    void ErrorCode(uint code, const QString& details);
    void Finished(uint exit, uint runtime);

private:
    void sendPercentage(uint percent);

    FakePackageKit& m_owner;
    QString m_path;
};
