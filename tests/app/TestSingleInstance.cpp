#include "support/TempXdgHome.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

// Runs the real binary twice in this session: the second start hands over to the first and exits.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondStartHandsOver()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no D-Bus session bus");
        if (bus.interface()->isServiceRegistered(QStringLiteral("org.quillmoor.Quillmoor")))
            QSKIP("a Quillmoor instance already runs in this session");
        TempXdgHome home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quillmoor.*.debug=true"));

        QProcess first;
        first.setProcessEnvironment(env);
        first.setProcessChannelMode(QProcess::SeparateChannels);
        first.start(QStringLiteral(QM_APP_BINARY), {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            bus.interface()->isServiceRegistered(QStringLiteral("org.quillmoor.Quillmoor")), 15000);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(QM_APP_BINARY), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardError().contains("already running"));

        QByteArray firstLog;
        QTRY_VERIFY_WITH_TIMEOUT(
            (firstLog += first.readAllStandardError()).contains("showLanguageSettings() called"), 10000);
        QVERIFY(first.state() == QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(5000));
    }

    // Desktop shortcuts and the desktop entry's actions reach the running program over
    // org.freedesktop.Application; `quillmoor --action NAME` hands the action over the same way.
    void desktopActions()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no D-Bus session bus");
        TempXdgHome home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quillmoor.app.info=true"));
        QProcess app;
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(QM_APP_BINARY), {});
        QVERIFY(app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            bus.interface()->isServiceRegistered(QStringLiteral("org.quillmoor.Quillmoor")), 15000);
        QByteArray log;
        const auto handled = [&](const QString& action) {
            const QByteArray line = "Action \"" + action.toUtf8() + "\" requested";
            return QTest::qWaitFor([&] { return (log += app.readAllStandardError()).contains(line); }, 10000);
        };
        const auto activate = [&bus](const QString& action) {
            QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.quillmoor.Quillmoor"),
                QStringLiteral("/org/quillmoor/Quillmoor"), QStringLiteral("org.freedesktop.Application"),
                QStringLiteral("ActivateAction"));
            call << action << QVariantList() << QVariantMap();
            return bus.call(call, QDBus::Block, 5000);
        };
        // Every action the desktop entry offers.
        QFile entry(
            qEnvironmentVariable("QM_SOURCE_DIR") + QStringLiteral("/resources/org.quillmoor.Quillmoor.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QStringList actions = QString::fromUtf8(entry.readAll())
                                        .section(QStringLiteral("\nActions="), 1)
                                        .section(QLatin1Char('\n'), 0, 0)
                                        .split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QCOMPARE(actions.size(), 5);
        for (const QString& action : actions) {
            const QDBusMessage reply = activate(action);
            QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
            QVERIFY2(handled(action), qPrintable(action));
        }
        QCOMPARE(activate(QStringLiteral("format-disk")).type(), QDBusMessage::ErrorMessage);

        QProcess client;
        client.setProcessEnvironment(env);
        client.start(QStringLiteral(QM_APP_BINARY), { QStringLiteral("--action"), QStringLiteral("review") });
        QVERIFY(client.waitForFinished(10000));
        QCOMPARE(client.exitCode(), 0);
        log.clear();
        QVERIFY(handled(QStringLiteral("review")));
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
    }

    // Logout, `systemctl --user stop` and Ctrl+C end the program normally: it exits with 0 and its
    // bus name is free for the next start.
    void signalsEndItNormally_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("terminate") << SIGTERM << "SIGTERM";
        QTest::newRow("interrupt") << SIGINT << "SIGINT";
        QTest::newRow("hang-up") << SIGHUP << "SIGHUP";
    }

    void signalsEndItNormally()
    {
        QFETCH(int, signal);
        QFETCH(QString, name);
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no D-Bus session bus");
        TempXdgHome home;
        QProcess app;
        app.start(QStringLiteral(QM_APP_BINARY), {});
        QVERIFY(app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            bus.interface()->isServiceRegistered(QStringLiteral("org.quillmoor.Quillmoor")), 15000);
        ::kill(pid_t(app.processId()), signal);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY(app.readAllStandardError().contains((name + QStringLiteral(" received, quitting")).toUtf8()));
        QVERIFY(!bus.interface()->isServiceRegistered(QStringLiteral("org.quillmoor.Quillmoor")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
