#include "store/VocabCardStore.h"
#include "support/TempCardStore.h"

#include <QFile>
#include <QTest>

namespace {
// Local date-times as "yyyy-MM-dd HH:mm" in the current zone.
QDateTime at(const QString& text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
}
} // namespace

class TestVocabCardStore : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    VocabCard add(const QString& word, const QString& deck = QStringLiteral("ES → RU"))
    {
        VocabCardContent card;
        card.word = word;
        card.deckName = deck;
        return store().addCard(card).value_or(VocabCard {});
    }

    void logAt(const QDateTime& date, double seconds = 1)
    {
        exec(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, ?, 3)"),
            { date.toMSecsSinceEpoch(), seconds });
    }

    void setSchedule(qint64 id, double stability, int reps, const QDateTime& due)
    {
        exec(QStringLiteral("UPDATE vocab_card SET stability = ?, reps = ?, due_date = ? WHERE id = ?"),
            { stability, reps, due.toMSecsSinceEpoch(), id });
    }

private Q_SLOTS:
    void init() { openStore("Europe/Berlin"); }
    void cleanup() { closeStore(); }

    void newCardDefaultsAndReopen()
    {
        VocabCardContent input;
        input.word = QStringLiteral("casa");
        input.sentence = QStringLiteral("La casa es grande.");
        input.translatedWord = QStringLiteral("дом");
        input.phonetic = QStringLiteral("/ˈkasa/");
        input.pronunciationAudio = QByteArray("ID3 audio", 9);
        input.deckName = QStringLiteral("ES → RU");
        const auto card = store().addCard(input);
        QVERIFY(card && card->id > 0);
        QCOMPARE(card->reps, 0);
        QCOMPARE(card->stability, 0.0);
        QCOMPARE(card->difficulty, 0.0);
        QVERIFY(!card->lastReviewDate);
        QVERIFY(card->isDue(now));
        QCOMPARE(card->pronunciationAudioExtension, QStringLiteral("mp3"));
        QVERIFY(!card->pronunciationAudio); // lists never carry the bytes

        reopenStore();
        const auto reloaded = store().cardWithMedia(card->id);
        QVERIFY(reloaded);
        QCOMPARE(reloaded->word, QStringLiteral("casa"));
        QCOMPARE(reloaded->translatedSentence, std::nullopt);
        QCOMPARE(reloaded->phonetic, QStringLiteral("/ˈkasa/"));
        QCOMPARE(reloaded->pronunciationAudio, QByteArray("ID3 audio", 9));
        QCOMPARE(reloaded->dueDate, now.toUTC());
    }

    void dueOrderAndDecks()
    {
        QVERIFY(store().decks().isEmpty());
        now = now.addDays(-1);
        const VocabCard yesterday = add(QStringLiteral("ayer"), QStringLiteral("EN → RU"));
        now = now.addDays(1).addSecs(3600);
        const VocabCard inAnHour = add(QStringLiteral("luego"), QStringLiteral("DE → RU"));
        add(QStringLiteral("otro"), QStringLiteral("EN → RU"));
        now = now.addSecs(-3600); // back to "now": one card is due later
        QCOMPARE(store().dueCards().size(), 1);
        QCOMPARE(store().dueCards().first().id, yesterday.id);
        now = now.addSecs(3600);
        QCOMPARE(store().dueCards().size(), 3);
        QCOMPARE(store().dueCards().first().id, yesterday.id);
        QCOMPARE(store().dueCards(QStringLiteral("DE → RU")).first().id, inAnHour.id);
        // The review queue's ids come in the same order.
        for (const std::optional<QString>& deck :
            { std::optional<QString>(), std::optional(QStringLiteral("EN → RU")) }) {
            QList<qint64> ids;
            for (const VocabCard& card : store().dueCards(deck))
                ids << card.id;
            QCOMPARE(store().dueCardIds(deck), ids);
        }
        QCOMPARE(store().decks(), (QStringList { "DE → RU", "EN → RU" }));
        add(QStringLiteral("nada"), QStringLiteral("de → ru")); // lower case sorts after upper case
        QCOMPARE(store().decks(), (QStringList { "DE → RU", "EN → RU", "de → ru" }));
        QCOMPARE(store().allCards(QStringLiteral("en → ru")).size(), 0);
    }

    void ratingSchedulesAndLogs()
    {
        const VocabCard card = add(QStringLiteral("casa"));
        const auto good = store().recordReview(card.id, FSRSRating::Good, 4.5);
        QVERIFY(good);
        QCOMPARE(good->stability, 2.3065);
        QCOMPARE(good->reps, 1);
        QCOMPARE(good->dueDate.toLocalTime(), now.addDays(2));
        QVERIFY(!good->isDue(now));

        now = now.addDays(5);
        const auto again = store().recordReview(card.id, FSRSRating::Again, 2);
        QVERIFY(again);
        QCOMPARE(again->lapses, 1);
        QCOMPARE(again->reps, 2);
        QVERIFY(again->stability < good->stability);

        reopenStore();
        QCOMPARE(store().allCards().first().reps, 2);
        QCOMPARE(store().allCards().first().stability, again->stability);
        QCOMPARE(rows(QStringLiteral("SELECT rating, duration_seconds FROM review_log ORDER BY id")),
            (QStringList { "3,4.5", "1,2" }));
        QVERIFY(!store().recordReview(9999, FSRSRating::Good, 1));
    }

    void pictureAttachedLater()
    {
        const VocabCard card = add(QStringLiteral("perro"));
        QVERIFY(store().attachImage(card.id, QByteArray("\x89PNG", 4), QStringLiteral("png")));
        const auto loaded = store().cardWithMedia(card.id);
        QCOMPARE(loaded->imageData, QByteArray("\x89PNG", 4));
        QCOMPARE(loaded->imageFileExtension, QStringLiteral("png"));
        QVERIFY(!loaded->pronunciationAudio);
        QVERIFY(!store().attachImage(12345, QByteArray("x"), QStringLiteral("png")));
    }

    void streaks_data()
    {
        QTest::addColumn<QList<int>>("daysAgo");
        QTest::addColumn<int>("streak");
        QTest::newRow("none") << QList<int> {} << 0;
        QTest::newRow("yesterday and before") << QList<int> { 1, 2 } << 2;
        QTest::newRow("today and two days ago") << QList<int> { 0, 2 } << 1;
        QTest::newRow("today through three days") << QList<int> { 0, 1, 2, 3 } << 4;
        QTest::newRow("only three days ago") << QList<int> { 3 } << 0;
    }

    void streaks()
    {
        QFETCH(QList<int>, daysAgo);
        QFETCH(int, streak);
        const QDateTime today = now;
        const VocabCard card = add(QStringLiteral("x"));
        for (int ago : daysAgo) {
            now = QDateTime(today.date().addDays(-ago), QTime(23, 30));
            QVERIFY(store().recordReview(card.id, FSRSRating::Good, 1));
        }
        now = today;
        QCOMPARE(store().currentStreak(), streak);
        QCOMPARE(store().currentStreak(2), std::min(streak, 2));
    }

    void boundedCountsAndDueCount()
    {
        for (int i = 0; i < 5; ++i)
            add(QStringLiteral("w%1").arg(i));
        for (int i = 0; i < 7; ++i)
            logAt(now);
        setSchedule(1, 30, 3, now.addSecs(3600)); // mastered, due in an hour
        setSchedule(2, 22, 1, now.addSecs(-60)); // mastered, due a minute ago
        setSchedule(3, 21, 5, now.addDays(2)); // stability 21 is not yet mastered
        const VocabCardStore::BoundedCounts all = store().boundedCounts(100);
        QCOMPARE((QList<int> { all.cards, all.reviews, all.mastered }), (QList<int> { 5, 7, 2 }));
        const VocabCardStore::BoundedCounts capped = store().boundedCounts(3);
        QCOMPARE((QList<int> { capped.cards, capped.reviews, capped.mastered }), (QList<int> { 3, 3, 2 }));
        QCOMPARE(store().dueCount(), 3); // two new cards and the one due a minute ago
        QCOMPARE(store().dueCount(), store().dueCardIds().size());
    }

    void successRateAndStats()
    {
        QCOMPARE(store().successRate(30), std::nullopt);
        const VocabCard card = add(QStringLiteral("x"));
        for (FSRSRating rating : { FSRSRating::Again, FSRSRating::Hard, FSRSRating::Good, FSRSRating::Easy })
            store().recordReview(card.id, rating, 1);
        QCOMPARE(store().successRate(30), std::optional<double>(0.75));
        add(QStringLiteral("new"));
        QCOMPARE(store().cardStats().learning + store().cardStats().mastered, 2);
        setSchedule(add(QStringLiteral("m"), QStringLiteral("DE → RU")).id, 21.5, 4, now);
        setSchedule(add(QStringLiteral("m21"), QStringLiteral("DE → RU")).id, 21, 4, now);
        setSchedule(add(QStringLiteral("unreviewed"), QStringLiteral("DE → RU")).id, 30, 0, now);
        QCOMPARE(store().cardStats().mastered, 1);
        QCOMPARE(store().cardStats().learning, 4);
        QCOMPARE(store().cardStats(QStringLiteral("DE → RU")).mastered, 1);
        QCOMPARE(store().cardStats(QStringLiteral("DE → RU")).learning, 2);
        QCOMPARE(store().cardStats(QStringLiteral("ES → RU")).mastered, 0);
    }

    void dailyReviewCounts_data()
    {
        QTest::addColumn<QString>("clock");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("logs");
        QTest::addColumn<QStringList>("expected"); // "yyyy-MM-dd=count"
        // clang-format off
        QTest::newRow("empty") << QStringLiteral("2026-05-10 12:00") << 7 << QStringList {} << QStringList {};
        QTest::newRow("window keeps the time of day") << QStringLiteral("2026-05-10 12:00") << 7 << QStringList { "2026-05-03 11:59", "2026-05-03 12:00", "2026-05-10 11:00", "2026-05-10 00:00" } << QStringList { "2026-05-03=1", "2026-05-10=2" };
        QTest::newRow("local midnight splits days, not UTC midnight") << QStringLiteral("2026-05-10 12:00") << 3 << QStringList { "2026-05-09 00:30", "2026-05-09 01:30", "2026-05-08 23:59" } << QStringList { "2026-05-08=1", "2026-05-09=2" };
        QTest::newRow("23-hour spring day") << QStringLiteral("2026-03-31 12:00") << 5 << QStringList { "2026-03-28 23:50", "2026-03-29 00:30", "2026-03-29 23:30", "2026-03-30 00:10" } << QStringList { "2026-03-28=1", "2026-03-29=2", "2026-03-30=1" };
        QTest::newRow("25-hour autumn day") << QStringLiteral("2026-10-27 12:00") << 5 << QStringList { "2026-10-24 23:59", "2026-10-25 00:10", "2026-10-25 02:30", "2026-10-25 23:50", "2026-10-26 00:05" } << QStringList { "2026-10-24=1", "2026-10-25=3", "2026-10-26=1" };
        QTest::newRow("a year across both changes") << QStringLiteral("2026-12-31 23:00") << 365 << QStringList { "2026-01-01 00:01", "2026-06-15 23:59", "2026-12-31 22:59" } << QStringList { "2026-01-01=1", "2026-06-15=1", "2026-12-31=1" };
        // clang-format on
    }

    void dailyReviewCounts()
    {
        QFETCH(QString, clock);
        QFETCH(int, days);
        QFETCH(QStringList, logs);
        QFETCH(QStringList, expected);
        now = at(clock);
        for (const QString& log : logs)
            logAt(at(log));
        QStringList actual;
        const QMap<QDate, int> counts = store().dailyReviewCounts(days);
        for (auto it = counts.begin(); it != counts.end(); ++it)
            actual << it.key().toString(Qt::ISODate) + QLatin1Char('=') + QString::number(it.value());
        QCOMPARE(actual, expected);
    }

    void dailyCountsFollowAZoneChange()
    {
        // 23:30 in Berlin on the 9th is already the 10th in Tokyo.
        logAt(at(QStringLiteral("2026-05-09 23:30")));
        QCOMPARE(store().dailyReviewCounts(7).firstKey(), QDate(2026, 5, 9));
        QCOMPARE(store().currentStreak(), 1);
        setTimeZone("Asia/Tokyo");
        QCOMPARE(store().dailyReviewCounts(7).firstKey(), QDate(2026, 5, 10));
    }

    void todayStatsCountSinceLocalMidnight()
    {
        QCOMPARE(store().todayStats().count, 0);
        QCOMPARE(store().todayStats().minutes, 0.0);
        logAt(at(QStringLiteral("2026-05-09 23:59")), 100);
        for (int i = 0; i < 5; ++i)
            logAt(at(QStringLiteral("2026-05-10 00:00")).addSecs(60 * i), 30);
        QCOMPARE(store().todayStats().count, 5);
        QCOMPARE(store().todayStats().minutes, 2.5);
    }

    void averageInterval_data()
    {
        QTest::addColumn<QList<double>>("stabilities");
        QTest::addColumn<QList<int>>("reps");
        QTest::addColumn<double>("expected"); // negative: none
        QTest::newRow("no cards") << QList<double> {} << QList<int> {} << -1.0;
        QTest::newRow("only new cards") << QList<double> { 0, 5 } << QList<int> { 0, 0 } << -1.0;
        QTest::newRow("low stability counts as one day") << QList<double> { 0.4, 10 } << QList<int> { 1, 3 } << 5.5;
        QTest::newRow("new cards left out") << QList<double> { 4, 30 } << QList<int> { 2, 0 } << 4.0;
        QTest::newRow("capped at 36500") << QList<double> { 40000, 500 } << QList<int> { 9, 9 } << 18500.0;
        QTest::newRow("not rounded") << QList<double> { 1.25, 2.5 } << QList<int> { 1, 1 } << 1.875;
    }

    void averageInterval()
    {
        QFETCH(QList<double>, stabilities);
        QFETCH(QList<int>, reps);
        QFETCH(double, expected);
        for (int i = 0; i < stabilities.size(); ++i)
            setSchedule(add(QStringLiteral("w%1").arg(i)).id, stabilities[i], reps[i], now);
        add(QStringLiteral("other deck"), QStringLiteral("FR → RU"));
        const std::optional<double> average = store().averageIntervalDays();
        QCOMPARE(average, expected < 0 ? std::nullopt : std::optional(expected));
        QCOMPARE(store().averageIntervalDays(QStringLiteral("ES → RU")), average);
        QCOMPARE(store().averageIntervalDays(QStringLiteral("FR → RU")), std::nullopt);
    }

    void upcomingLoadWindow()
    {
        now = at(QStringLiteral("2026-03-27 10:00"));
        const auto due = [this](const char* when, const QString& deck = QStringLiteral("ES → RU")) {
            setSchedule(add(QStringLiteral("w"), deck).id, 3, 1, at(QString::fromLatin1(when)));
        };
        due("2026-03-26 23:00"); // overdue: not counted
        due("2026-03-27 09:00"); // earlier today, already due: today's load
        due("2026-03-27 22:00"); // later today
        due("2026-03-29 23:30"); // the 23-hour day
        due("2026-04-02 23:59"); // last day of the window
        due("2026-04-03 00:00"); // exactly seven days ahead: outside
        due("2026-03-28 08:00", QStringLiteral("DE → RU"));
        const QMap<QDate, int> expected { { QDate(2026, 3, 27), 2 }, { QDate(2026, 3, 28), 1 },
            { QDate(2026, 3, 29), 1 }, { QDate(2026, 4, 2), 1 } };
        QCOMPARE(store().upcomingLoad(7), expected);
        QCOMPARE(store().upcomingLoad(7, QStringLiteral("DE → RU")), (QMap<QDate, int> { { QDate(2026, 3, 28), 1 } }));
        QCOMPARE(store().upcomingLoad(1).value(QDate(2026, 3, 27)), 2);
        QCOMPARE(store().upcomingLoad(0).size(), 0);
    }

    void achievementsRecorded()
    {
        QCOMPARE(store().unlockedAchievementIDs(), QSet<QString>());
        QVERIFY(store().recordUnlockedAchievement(QStringLiteral("firstCard")));
        QVERIFY(store().recordUnlockedAchievement(QStringLiteral("streak7")));
        // Recorded once: a second insert reports that nothing was stored.
        QVERIFY(!store().recordUnlockedAchievement(QStringLiteral("streak7")));
        reopenStore();
        QCOMPARE(store().unlockedAchievementIDs(), (QSet<QString> { "firstCard", "streak7" }));
        QCOMPARE(rows(QStringLiteral("SELECT COUNT(*) FROM unlocked_achievement")), QStringList { "2" });
        exec(QStringLiteral("ALTER TABLE unlocked_achievement RENAME TO set_aside"));
        QVERIFY(!store().unlockedAchievementIDs()); // unreadable is not "none earned"
        QVERIFY(!store().recordUnlockedAchievement(QStringLiteral("cards_1")));
        exec(QStringLiteral("ALTER TABLE set_aside RENAME TO unlocked_achievement"));
        add(QStringLiteral("a"));
        add(QStringLiteral("a"));
        QCOMPARE(store().cardCount(), 2); // no de-duplication by word
    }

    void previousSchemaUpgrades()
    {
        // Turn the file back into version 1: the same tables with the first release's indexes.
        add(QStringLiteral("viejo"));
        logAt(now);
        for (const char* sql :
            { "DROP INDEX unlocked_achievement_id", "DROP INDEX grammar_card_topic_due",
                "DROP INDEX vocab_card_stability", "DROP INDEX vocab_card_deck_stability", "DROP INDEX review_log_date",
                "DROP INDEX grammar_review_log_date", "CREATE INDEX review_log_date ON review_log(date)",
                "CREATE INDEX grammar_review_log_date ON grammar_review_log(date)", "PRAGMA user_version=1" })
            exec(QString::fromLatin1(sql));
        // Version 2 kept every insert of an achievement: copies of one id go with the upgrade.
        for (const char* id : { "cards_1", "streak_3", "cards_1", "cards_1" })
            exec(QStringLiteral("INSERT INTO unlocked_achievement (achievement_id, unlocked_at) VALUES (?, ?)"),
                { QString::fromLatin1(id), now.toMSecsSinceEpoch() });
        reopenStore();
        QCOMPARE(store().allCards().size(), 1);
        QCOMPARE(store().allCards().first().word, QStringLiteral("viejo"));
        QCOMPARE(
            rows(QStringLiteral("PRAGMA user_version")), QStringList { QString::number(CardDatabase::kSchemaVersion) });
        QVERIFY(rows(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'review_log_date'"))
                    .value(0)
                    .contains(QStringLiteral("rating")));
        QCOMPARE(rows(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('grammar_card_topic_due',"
                                     " 'vocab_card_stability', 'vocab_card_deck_stability')")),
            QStringList { "3" });
        QCOMPARE(rows(QStringLiteral("SELECT COUNT(*) FROM review_log")), QStringList { "1" });
        QCOMPARE(rows(QStringLiteral("SELECT id, achievement_id FROM unlocked_achievement ORDER BY id")),
            (QStringList { "1,cards_1", "2,streak_3" }));
        QVERIFY(!store().recordUnlockedAchievement(QStringLiteral("cards_1")));
        QCOMPARE(rows(QStringLiteral("PRAGMA integrity_check")), QStringList { "ok" });
    }

    void unopenableFilesAreRefused()
    {
        exec(QStringLiteral("PRAGMA user_version=99"));
        m_store.reset();
        m_database.reset();
        const QString path = CardDatabase::defaultFilePath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString error;
        QVERIFY(!CardDatabase::open(path, &error));
        QVERIFY2(error.contains(path), qPrintable(error)); // written by a newer version
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        error.clear();
        QVERIFY(!CardDatabase::open(QStringLiteral("/proc/quillmoor/cards.sqlite"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVocabCardStore)
#include "TestVocabCardStore.moc"
