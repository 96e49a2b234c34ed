#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, `systemctl --user stop`, Ctrl+C) into a signal on the
// event loop, so the application quits normally: its bus name and lock are released and its
// termination steps run. One instance per process; the default dispositions come back when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return m_installed; }

Q_SIGNALS:
    // The signal's name ("SIGTERM").
    void received(const QString& name);

private:
    void readPending();

    int m_fds[2] = { -1, -1 };
    bool m_installed = false;
    QSocketNotifier* m_notifier = nullptr;
};
