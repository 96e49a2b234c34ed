#pragma once

#include <QCoroTask>
#include <QObject>
#include <QStringList>

// Installs the Debian packages that add translation pairs and recognition data. Only the packages
// that are missing are installed; where the desktop offers no way to install them, the answer
// names them so that the learner can install them by hand.
class LanguagePackInstaller : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Installed, NothingMissing, ManualInstall, Failed, Cancelled };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QStringList packages; // installed, or to be installed by hand
        QString error; // why it failed
    };

    using QObject::QObject;

    virtual QCoro::Task<Result> install(QStringList packages) = 0;

    // "sudo apt install …" for the packages.
    static QString aptCommand(const QStringList& packages);

Q_SIGNALS:
    // 0–100 while the packages download and install.
    void progressChanged(int percent);
};
