#include "platform/SleepWatcher.h"
#include "preferences/Preferences.h"
#include "review/AchievementCatalog.h"
#include "review/NotificationService.h"
#include "store/VocabCardStore.h"
#include "support/CapturedLog.h"
#include "support/RecordingNotificationCenter.h"
#include "support/ScenarioSteps.h"
#include "support/TempCardStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTimeZone>

class TestNotificationService : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    RecordingNotificationCenter m_center;
    SleepWatcher m_wake;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<NotificationService> m_service;
    std::unique_ptr<CapturedLog> m_log;
    QTimeZone m_zone;
    QString m_defaultsPath;
    QStringList m_balloons;
    int m_checkIntervalMs = NotificationService::kCheckIntervalMs;

    // The learner's wall clock: the store's instant in the zone the learner is in.
    QDateTime wallClock() const { return now.toTimeZone(m_zone); }

    void build()
    {
        m_service.reset();
        m_preferences = std::make_unique<Preferences>(m_defaultsPath);
        NotificationService::Options options;
        options.clock = [this] { return wallClock(); };
        options.fallback = [this](const QString& title, const QString& body) { m_balloons << title + '|' + body; };
        options.checkIntervalMs = m_checkIntervalMs;
        m_service = std::make_unique<NotificationService>(
            m_center, store(), m_preferences->notifications(), &m_wake, options);
    }

    void addDue(const QDateTime& at)
    {
        exec(QStringLiteral("INSERT INTO vocab_card (word, due_date, created_at) VALUES ('w', ?, ?)"),
            { at.toMSecsSinceEpoch(), at.toMSecsSinceEpoch() });
    }

    // One step of a scenario: "<verb> <argument>". Times and dates are the learner's wall clock.
    void step(const QString& verb, const QString& argument)
    {
        const QDateTime wall = wallClock();
        if (verb == "zone") {
            m_zone = QTimeZone(argument.toUtf8());
        } else if (verb == "at") {
            now = QDateTime(wall.date(), QTime::fromString(argument, "HH:mm"), m_zone);
        } else if (verb == "date") {
            now = QDateTime(QDate::fromString(argument, Qt::ISODate), wall.time(), m_zone);
        } else if (verb == "due") {
            for (int i = 0; i < argument.toInt(); ++i)
                addDue(now);
        } else if (verb == "dueAt") {
            addDue(QDateTime(wall.date(), QTime::fromString(argument, "HH:mm"), m_zone));
        } else if (verb == "grammarDue") {
            exec(QStringLiteral("INSERT INTO grammar_card (topic, due_date, created_at) VALUES ('t', ?, ?)"),
                { now.toMSecsSinceEpoch(), now.toMSecsSinceEpoch() });
        } else if (verb == "hour") {
            m_preferences->notifications().setReminderHour(argument.toInt());
        } else if (verb == "reminders") {
            m_preferences->notifications().setEnabled(argument == "on");
        } else if (verb == "stored") {
            const QJsonValue value = QJsonDocument::fromJson("[" + argument.toUtf8() + "]").array().at(0);
            QVERIFY(!value.isUndefined());
            m_preferences->store().setValue(NotificationService::kLastReminderKey, value);
        } else if (verb == "unwritable") {
            // Under a plain file no folder can be made, for root as well.
            QFile blocker(m_home->root() + "/blocker");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            m_defaultsPath = blocker.fileName() + "/defaults.json";
            build();
        } else if (verb == "server") {
            m_center.delivery = argument == "none" ? NotificationCenter::Delivery::NoServer
                : argument == "failing"            ? NotificationCenter::Delivery::Failed
                                                   : NotificationCenter::Delivery::Shown;
        } else if (verb == "start") {
            m_service->start();
        } else if (verb == "restart") {
            build();
        } else if (verb == "check") {
            m_service->checkReviewReminder();
        } else if (verb == "wake") {
            Q_EMIT m_wake.resumed();
        } else if (verb == "award") {
            m_service->notifyAchievementUnlocked(AchievementCatalog::all().first());
        } else if (verb == "posted") {
            QCOMPARE(m_center.posted.size(), argument.toInt());
        } else if (verb == "body") {
            // The due count is the number in the body.
            QVERIFY(!m_center.posted.isEmpty());
            const QString body = m_center.posted.last().body;
            QCOMPARE(QString(body).remove(QRegularExpression("[^0-9]")), argument);
        } else if (verb == "storedDay") {
            QCOMPARE(m_preferences->store().string(NotificationService::kLastReminderKey).value_or("none"), argument);
        } else if (verb == "balloons") {
            QCOMPARE(m_balloons.size(), argument.toInt());
        } else if (verb == "logged") {
            QVERIFY2(m_log->contains(argument), qPrintable(m_log->lines().join('\n')));
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }

    void run(const QString& steps)
    {
        runScenario(steps, [this](const QString& verb, const QString& argument) { step(verb, argument); });
    }

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        m_log = std::make_unique<CapturedLog>();
        m_center = {};
        m_balloons.clear();
        m_zone = QTimeZone("Europe/Moscow");
        now = QDateTime(QDate(2026, 3, 30), QTime(12, 0), m_zone);
        m_defaultsPath = m_home->defaultsFile();
        m_checkIntervalMs = NotificationService::kCheckIntervalMs;
        build();
    }
    void cleanup()
    {
        m_service.reset();
        m_preferences.reset();
        m_log.reset();
        closeStore();
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("18:59 no, 19:00 yes, then no more") << "due 2; at 18:59; check; posted 0; at 19:00; check; posted 1; body 2; due 5; at 23:50; check; posted 1";
        QTest::newRow("hour 0") << "hour 0; at 00:05; due 1; check; posted 1";
        QTest::newRow("start at 21:00 reminds at once") << "due 1; at 21:00; start; posted 1";
        QTest::newRow("start before the hour") << "due 1; at 09:00; start; posted 0";
        QTest::newRow("cards due at 20:30") << "dueAt 20:30; at 19:00; check; at 20:20; check; posted 0; at 20:40; check; posted 1; body 1";
        QTest::newRow("grammar cards are not counted") << "grammarDue; at 19:00; check; posted 0; storedDay none";
        QTest::newRow("disabled, awards go on") << "reminders off; due 1; at 20:00; check; posted 0; award; posted 1; reminders on; check; posted 2";
        QTest::newRow("stored day after a restart") << "due 1; at 19:00; check; storedDay 2026-03-30T00:00:00+03:00; restart; check; posted 1; date 2026-03-31; check; posted 2";
        QTest::newRow("westward: same date, no second reminder") << "due 1; at 19:00; check; restart; zone America/New_York; at 20:00; check; posted 1; date 2026-03-31; at 19:00; check; posted 2";
        QTest::newRow("eastward: the next date reminds") << "zone America/New_York; due 1; at 19:00; check; restart; zone Asia/Tokyo; check; posted 1; at 19:00; check; posted 2";
        QTest::newRow("failed defaults write") << "unwritable; due 1; at 19:00; check; at 19:10; check; posted 1";
        QTest::newRow("stored number") << "stored 20260330; due 1; at 19:00; check; posted 1";
        QTest::newRow("stored boolean") << "stored true; due 1; at 19:00; check; posted 1";
        QTest::newRow("stored array") << "stored [\"2026-03-30T00:00:00+03:00\"]; due 1; at 19:00; check; posted 1";
        QTest::newRow("stored unparsable text") << "stored \"yesterday\"; due 1; at 19:00; check; posted 1";
        QTest::newRow("stored today") << "stored \"2026-03-30T00:00:00+03:00\"; due 1; at 19:00; check; posted 0";
        QTest::newRow("stored yesterday") << "stored \"2026-03-29T00:00:00+03:00\"; due 1; at 19:00; check; posted 1";
        QTest::newRow("wake from suspend") << "due 1; at 18:00; start; at 19:05; wake; posted 1";
        QTest::newRow("no server: the tray balloon") << "server none; due 1; at 19:00; check; posted 1; balloons 1; award; balloons 2";
        QTest::newRow("delivery error logged") << "server failing; award; logged Delivery failed: org.freedesktop.DBus.Error.NoReply; balloons 1";
        QTest::newRow("authorization logged") << "start; logged Authorization: granted=true";
        // clang-format on
    }

    void reminder()
    {
        QFETCH(QString, steps);
        run(steps);
    }

    void timerRunsTheCheck()
    {
        m_checkIntervalMs = 20;
        build();
        QCOMPARE(m_service->checkTimer().timerType(), Qt::CoarseTimer);
        run("due 1; at 18:30; start; posted 0; at 19:00");
        QTRY_COMPARE(m_center.posted.size(), 1);
    }

    void awardTexts()
    {
        // The title carries the achievement's title, the body its subtitle, in the interface language.
        const AchievementDefinition& definition = AchievementCatalog::all().at(3);
        m_service->notifyAchievementUnlocked(definition);
        QCOMPARE(m_center.posted.size(), 1);
        QVERIFY(m_center.posted[0].title.endsWith(definition.localizedTitle()));
        QCOMPARE(m_center.posted[0].body, definition.localizedSubtitle());
        QCOMPARE(m_center.posted[0].soundName, QStringLiteral("message-new-instant"));
    }
};

QTEST_GUILESS_MAIN(TestNotificationService)
#include "TestNotificationService.moc"
