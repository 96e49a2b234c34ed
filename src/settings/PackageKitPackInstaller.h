#pragma once

#include "settings/LanguagePackInstaller.h"

#include <QDBusConnection>

class PackageKitTransaction;

// Installs language packages through PackageKit on the system bus: resolves the names, then
// installs those that are not installed yet, interactively, so that the desktop asks for
// authorisation in its own way. Without PackageKit the answer is the list of missing packages
// (read from dpkg's records) for the learner to install by hand.
class PackageKitPackInstaller : public LanguagePackInstaller
{
    Q_OBJECT
public:
    struct Options
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        // Where dpkg keeps one "<package>.list" per installed package.
        QString dpkgInfoDirectory = QStringLiteral("/var/lib/dpkg/info");
    };

    explicit PackageKitPackInstaller(Options options, QObject* parent = nullptr);
    ~PackageKitPackInstaller() override;

    QCoro::Task<Result> install(QStringList packages) override;

    // The packages of the list that dpkg has no record of.
    QStringList missingByDpkg(const QStringList& packages) const;

private:
    QCoro::Task<bool> packageKitPresent();
    QCoro::Task<std::unique_ptr<PackageKitTransaction>> createTransaction(QString* error);
    QCoro::Task<Result> resolveAndInstall(QStringList packages);

    Options m_options;
};
