#include "platform/freedesktop/FreedesktopNotificationCenter.h"
#include "platform/freedesktop/LogindSleepWatcher.h"
#include "preferences/Preferences.h"
#include "review/AchievementCatalog.h"
#include "review/NotificationService.h"
#include "store/VocabCardStore.h"
#include "support/PrivateBus.h"
#include "support/TempCardStore.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocumentFragment>

// The reminder and the award notifications against a real notification server (dunst) on a bus of
// the test's own, and the ways without one.
class TestDesktopNotifications : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<QProcess> m_dunst;
    std::unique_ptr<QProcess> m_monitor;
    QTemporaryDir m_dir;

    QProcess* startOnBus(const QString& program, const QStringList& arguments)
    {
        auto* process = new QProcess;
        process->setProcessEnvironment(m_bus->environment());
        process->start(program, arguments);
        return process;
    }

    static UserNotification notification(const QString& title)
    {
        UserNotification notification;
        notification.title = title;
        notification.body = QStringLiteral("b");
        return notification;
    }

    bool serverRunning() const
    {
        return m_bus->connection().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications"));
    }

    // What dunstctl prints; empty when it fails.
    QByteArray dunstctl(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessEnvironment(m_bus->environment());
        process.start(QStringLiteral("dunstctl"), arguments);
        if (!process.waitForFinished(10'000) || process.exitCode() != 0)
            return {};
        return process.readAllStandardOutput().trimmed();
    }

    // What dunst keeps of the notifications it has shown, once they are closed.
    QJsonArray history()
    {
        dunstctl({ QStringLiteral("close-all") });
        return QJsonDocument::fromJson(dunstctl({ QStringLiteral("history") }))[QLatin1String("data")]
            .toArray()
            .at(0)
            .toArray();
    }

    static QString field(const QJsonValue& entry, const char* name)
    {
        return entry[QLatin1String(name)][QLatin1String("data")].toString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dunst")).isEmpty())
            QSKIP("dunst is not installed (scripts/test installs it)");
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs the test desktop (dunst draws on X11)");
    }

    void init()
    {
        openStore("Europe/Berlin");
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY(m_bus->isRunning());
    }

    void cleanup()
    {
        for (QProcess* process : { m_dunst.get(), m_monitor.get() }) {
            if (process) {
                process->terminate();
                process->waitForFinished(5000);
            }
        }
        m_dunst.reset();
        m_monitor.reset();
        m_bus.reset();
        closeStore();
    }

    void withoutServer()
    {
        // Nothing owns the name and nothing can be started on demand: the tray balloon's turn.
        auto center = std::make_unique<FreedesktopNotificationCenter>(m_bus->connection());
        QCOMPARE(QCoro::waitFor(center->requestAuthorization()).granted, false);
        // The bus answers after the centre is gone, as at exit.
        QCoro::Task<NotificationCenter::Result> pending = center->post(notification(QStringLiteral("t")));
        center.reset();
        QCOMPARE(QCoro::waitFor(pending).delivery, NotificationCenter::Delivery::NoServer);
    }

    void startDunst()
    {
        QFile config(m_dir.filePath(QStringLiteral("dunstrc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[global]\n    markup = full\n");
        config.close();
        m_dunst.reset(startOnBus(QStringLiteral("dunst"), { QStringLiteral("-config"), config.fileName() }));
        QTRY_VERIFY_WITH_TIMEOUT(serverRunning(), 10'000);
    }

    // A notification's button (the crash report's "send") runs its action when the user presses it.
    void actionRunsWhenInvoked()
    {
        startDunst();
        FreedesktopNotificationCenter center(m_bus->connection());
        int pressed = 0;
        UserNotification offer = notification(QStringLiteral("offer"));
        offer.actionLabel = QStringLiteral("Send");
        offer.onAction = [&pressed] { ++pressed; };
        QCOMPARE(QCoro::waitFor(center.post(offer)).delivery, NotificationCenter::Delivery::Shown);
        QTRY_COMPARE(dunstctl({ QStringLiteral("count"), QStringLiteral("displayed") }), QByteArray("1"));
        dunstctl({ QStringLiteral("action"), QStringLiteral("0") });
        QTRY_COMPARE(pressed, 1);
    }

    void reminderAndAwardReachDunst()
    {
        startDunst();
        m_monitor.reset(startOnBus(QStringLiteral("dbus-monitor"),
            { QStringLiteral("--address"), m_bus->address(),
                QStringLiteral("type='method_call',interface='org.freedesktop.Notifications',member='Notify'") }));
        QVERIFY(m_monitor->waitForStarted());
        // It prints the bus's greeting once it is listening.
        QTRY_VERIFY_WITH_TIMEOUT(m_monitor->bytesAvailable() > 0, 10'000);

        FreedesktopNotificationCenter center(m_bus->connection());
        QCOMPARE(QCoro::waitFor(center.requestAuthorization()).granted, true);
        Preferences preferences(m_home->defaultsFile());
        NotificationService::Options options;
        options.clock = [this] { return now; };
        now = QDateTime(QDate(2026, 3, 30), QTime(19, 30));
        QStringList balloons;
        options.fallback = [&balloons](const QString& title, const QString&) { balloons << title; };
        NotificationService service(center, store(), preferences.notifications(), nullptr, options);
        QSignalSpy sent(&service, &NotificationService::sent);
        for (int i = 0; i < 3; ++i)
            exec(QStringLiteral("INSERT INTO vocab_card (word, due_date, created_at) VALUES ('w', ?, ?)"),
                { now.toMSecsSinceEpoch(), now.toMSecsSinceEpoch() });
        service.checkReviewReminder();
        QVERIFY(sent.wait());
        service.notifyAchievementUnlocked(AchievementCatalog::all().at(1));
        QVERIFY(sent.count() == 2 || sent.wait());
        // Text that a markup-reading server would otherwise take for tags.
        const QString markup = QStringLiteral("<b>a</b> & <i>b");
        service.send(QStringLiteral("Quillmoor"), markup);
        QVERIFY(sent.count() == 3 || sent.wait());
        QVERIFY(balloons.isEmpty());

        const QJsonArray shown = history();
        QCOMPARE(shown.size(), 3);
        QStringList received;
        for (const QJsonValue& entry : shown) {
            // What dunst shows: its markup read back as text.
            received
                << field(entry, "summary") + '|' + QTextDocumentFragment::fromHtml(field(entry, "body")).toPlainText();
            QCOMPARE(field(entry, "appname"), QStringLiteral("Quillmoor"));
        }
        QStringList expected;
        for (const QList<QVariant>& arguments : sent)
            expected << arguments[0].toString() + '|' + arguments[1].toString();
        received.sort();
        expected.sort();
        QCOMPARE(received, expected);
        QVERIFY(expected.join('\n').contains(QStringLiteral("3"))); // the due count

        // The hints as they went over the bus, one pair per notification.
        const QString traffic = QString::fromUtf8(m_monitor->readAllStandardOutput());
        QCOMPARE(
            traffic.count(QRegularExpression(R"(string "sound-name"\s+variant\s+string "message-new-instant")")), 3);
        QCOMPARE(traffic.count(
                     QRegularExpression(R"(string "desktop-entry"\s+variant\s+string "org\.quillmoor\.Quillmoor")")),
            3);
    }

    void wakeUpIsReported()
    {
        QDBusConnection listener = m_bus->connection();
        QDBusConnection logind = m_bus->connect(QStringLiteral("fake-logind"));
        QVERIFY(logind.registerService(QStringLiteral("org.freedesktop.login1")));
        LogindSleepWatcher watcher(listener);
        QSignalSpy resumed(&watcher, &SleepWatcher::resumed);
        for (bool sleeping : { true, false }) {
            QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
            signal << sleeping;
            QVERIFY(logind.send(signal));
        }
        // Signals of one sender arrive in order: the suspend has been seen when the wake-up is.
        QVERIFY(resumed.wait());
        QCOMPARE(resumed.count(), 1); // the wake-up, not the suspend
    }
};

QTEST_MAIN(TestDesktopNotifications)
#include "TestDesktopNotifications.moc"
