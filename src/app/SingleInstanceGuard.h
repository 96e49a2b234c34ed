#pragma once

#include <QLockFile>
#include <QObject>

#include <memory>

// Keeps Quillmoor to one instance per session: two would fire every trigger twice and race on
// the settings and the card store. The first instance owns the D-Bus name; a later start asks
// it to open its settings and exits. Without a session bus a lock file does the same job.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.quillmoor.Quillmoor")
public:
    static inline const QString kServiceName = QStringLiteral("org.quillmoor.Quillmoor");
    static inline const QString kObjectPath = QStringLiteral("/org/quillmoor/Quillmoor");

    explicit SingleInstanceGuard(QString serviceName = kServiceName, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when this process is the first; otherwise the first was asked to run `action` (one of
    // FreedesktopApplicationAdaptor::actionNames()), or to show its settings without one.
    bool claim(const QString& action = {});

public Q_SLOTS:
    Q_SCRIPTABLE void Activate();

Q_SIGNALS:
    void activationRequested();
    // A desktop shortcut, the desktop entry or `quillmoor --action` asked for one of the actions.
    void actionRequested(const QString& action);

private:
    QString m_serviceName;
    bool m_ownsName = false;
    std::unique_ptr<QLockFile> m_lock;
};
