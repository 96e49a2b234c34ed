#include "support/TempXdgHome.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
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
