#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <signal.h>

// A D-Bus session bus of the test's own: nothing is started on demand on it (its service folder is
// empty), so a test decides which servers run. Ended, by its PID, with the fixture.
class PrivateSessionBus
{
public:
    PrivateSessionBus()
    {
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        m_dir.setAutoRemove(true);
        QDir().mkpath(m_dir.filePath(QStringLiteral("services")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <servicedir>%1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                         .arg(m_dir.path())
                         .toUtf8());
        config.close();
        QProcess daemon;
        daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--fork"),
                QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1") });
        if (!daemon.waitForFinished(10'000))
            return;
        const QList<QByteArray> lines = daemon.readAllStandardOutput().split('\n');
        if (lines.size() < 2)
            return;
        m_address = QString::fromUtf8(lines[0].trimmed());
        m_pid = lines[1].trimmed().toLongLong();
        m_name = QStringLiteral("private-bus-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    }
    ~PrivateSessionBus()
    {
        if (!m_name.isEmpty())
            QDBusConnection::disconnectFromBus(m_name);
        if (m_pid > 0)
            ::kill(pid_t(m_pid), SIGTERM);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool isValid() const { return !m_address.isEmpty() && m_pid > 0; }
    QString address() const { return m_address; }
    // A connection of this process to the bus.
    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, m_name); }
    // The environment of a program that should use this bus as its session bus.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        return env;
    }

private:
    QTemporaryDir m_dir;
    QString m_address;
    QString m_name;
    qint64 m_pid = 0;
};
