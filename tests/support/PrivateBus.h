#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of the test's own, standing in for the session or the system bus: nothing is
// started on demand on it (its service folder is empty), so a test decides which servers run;
// anyone may own any name and watch any message. Its connections are closed when it goes.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // This process's main connection to the bus.
    QDBusConnection connection() { return connect(QStringLiteral("private-bus")); }
    // Another connection to the bus under its own name (a second peer of this process).
    QDBusConnection connect(const QString& name);
    // The environment of a program that should use this bus as its session bus.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};
