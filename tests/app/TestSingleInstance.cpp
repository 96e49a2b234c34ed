#include "support/TempXdgHome.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
