#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"
#include "support/TempXdgHome.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <ctime>
#include <tuple>

class TestVocabCardStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<VocabCardStore> m_store;
    QDateTime m_now;

    void openStore()
    {
        QString error;
        m_store.reset();
        m_database = CardDatabase::open(CardDatabase::defaultFilePath(), &error);
        QVERIFY2(m_database, qPrintable(error));
        m_store = std::make_unique<VocabCardStore>(*m_database);
        m_store->setClock([this] { return m_now; });
    }

    VocabCard add(const QString& word, const QString& deck = QStringLiteral("ES → RU"))
    {
        VocabCardContent card;
        card.word = word;
        card.deckName = deck;
        const auto stored = m_store->addCard(card);
        return stored.value_or(VocabCard {});
    }

    void logAt(const QDateTime& date, int rating = 3, double seconds = 1)
    {
        QSqlQuery insert(m_database->db());
        insert.prepare(QStringLiteral("INSERT INTO review_log (date, duration_seconds, rating) VALUES (?, ?, ?)"));
        insert.addBindValue(date.toMSecsSinceEpoch());
        insert.addBindValue(seconds);
        insert.addBindValue(rating);
        QVERIFY(insert.exec());
    }

    void setSchedule(qint64 id, double stability, int reps, const QDateTime& due)
    {
        QSqlQuery update(m_database->db());
        update.prepare(QStringLiteral("UPDATE vocab_card SET stability = ?, reps = ?, due_date = ? WHERE id = ?"));
        update.addBindValue(stability);
        update.addBindValue(reps);
        update.addBindValue(due.toMSecsSinceEpoch());
        update.addBindValue(id);
        QVERIFY(update.exec());
    }

    static void setZone(const char* zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

private Q_SLOTS:
    void init()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
        m_home = std::make_unique<TempXdgHome>();
        m_now = QDateTime(QDate(2026, 5, 10), QTime(12, 0));
        openStore();
    }
    void cleanup()
    {
        setZone("Europe/Berlin");
        m_store.reset();
        m_database.reset();
        m_home.reset();
    }

    void newCardDefaultsAndReopen()
    {
        VocabCardContent input;
        input.word = QStringLiteral("casa");
        input.sentence = QStringLiteral("La casa es grande.");
        input.translatedWord = QStringLiteral("дом");
        input.phonetic = QStringLiteral("/ˈkasa/");
        input.pronunciationAudio = QByteArray("ID3 audio", 9);
        input.deckName = QStringLiteral("ES → RU");
        const auto card = m_store->addCard(input);
        QVERIFY(card);
        QVERIFY(card->id > 0);
        QCOMPARE(card->reps, 0);
        QCOMPARE(card->stability, 0.0);
        QCOMPARE(card->difficulty, 0.0);
        QVERIFY(!card->lastReviewDate);
        QVERIFY(card->isDue(m_now));
        QCOMPARE(card->pronunciationAudioExtension, QStringLiteral("mp3"));
        QVERIFY(!card->pronunciationAudio); // lists never carry the bytes

        openStore();
        const auto reloaded = m_store->cardWithMedia(card->id);
        QVERIFY(reloaded);
        QCOMPARE(reloaded->word, QStringLiteral("casa"));
        QCOMPARE(reloaded->translatedSentence, std::nullopt);
        QCOMPARE(reloaded->phonetic, QStringLiteral("/ˈkasa/"));
        QCOMPARE(reloaded->pronunciationAudio, QByteArray("ID3 audio", 9));
        QCOMPARE(reloaded->dueDate, m_now.toUTC());
    }

    void dueOrderAndDecks()
    {
        m_now = m_now.addDays(-1);
        const VocabCard yesterday = add(QStringLiteral("ayer"), QStringLiteral("EN → RU"));
        m_now = m_now.addDays(1).addSecs(3600);
        const VocabCard inAnHour = add(QStringLiteral("luego"), QStringLiteral("DE → RU"));
        add(QStringLiteral("otro"), QStringLiteral("EN → RU"));
        m_now = m_now.addSecs(-3600); // back to "now": one card is due later
        QList<qint64> due;
        for (const VocabCard& card : m_store->dueCards())
            due << card.id;
        QCOMPARE(due, QList<qint64> { yesterday.id });
        m_now = m_now.addSecs(3600);
        QCOMPARE(m_store->dueCards().size(), 3);
        QCOMPARE(m_store->dueCards().first().id, yesterday.id);
        QCOMPARE(m_store->dueCards(QStringLiteral("DE → RU")).first().id, inAnHour.id);
        QCOMPARE(m_store->decks(), (QStringList { "DE → RU", "EN → RU" }));
        QCOMPARE(m_store->allCards(QStringLiteral("en → ru")).size(), 0);
    }

    void ratingSchedulesAndLogs()
    {
        const VocabCard card = add(QStringLiteral("casa"));
        const auto good = m_store->recordReview(card.id, FSRSRating::Good, 4.5);
        QVERIFY(good);
        QCOMPARE(good->stability, 2.3065);
        QCOMPARE(good->reps, 1);
        QCOMPARE(good->dueDate.toLocalTime(), m_now.addDays(2));
        QVERIFY(!good->isDue(m_now));

        m_now = m_now.addDays(5);
        const auto again = m_store->recordReview(card.id, FSRSRating::Again, 2);
        QVERIFY(again);
        QCOMPARE(again->lapses, 1);
        QCOMPARE(again->reps, 2);
        QVERIFY(again->stability < good->stability);

        openStore();
        const auto stored = m_store->allCards().first();
        QCOMPARE(stored.reps, 2);
        QCOMPARE(stored.stability, again->stability);
        QSqlQuery logs(m_database->db());
        QVERIFY(logs.exec(QStringLiteral("SELECT rating, duration_seconds FROM review_log ORDER BY id")));
        QVERIFY(logs.next());
        QCOMPARE(logs.value(0).toInt(), 3);
        QCOMPARE(logs.value(1).toDouble(), 4.5);
        QVERIFY(logs.next());
        QCOMPARE(logs.value(0).toInt(), 1);
        QVERIFY(!logs.next());
        QVERIFY(!m_store->recordReview(9999, FSRSRating::Good, 1));
    }

    void pictureAttachedLater()
    {
        const VocabCard card = add(QStringLiteral("perro"));
        QVERIFY(m_store->attachImage(card.id, QByteArray("\x89PNG", 4), QStringLiteral("png")));
        const auto loaded = m_store->cardWithMedia(card.id);
        QCOMPARE(loaded->imageData, QByteArray("\x89PNG", 4));
        QCOMPARE(loaded->imageFileExtension, QStringLiteral("png"));
        QVERIFY(!loaded->pronunciationAudio);
        QVERIFY(!m_store->attachImage(12345, QByteArray("x"), QStringLiteral("png")));
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
        const QDateTime today = m_now;
        const VocabCard card = add(QStringLiteral("x"));
        for (int ago : daysAgo) {
            m_now = QDateTime(today.date().addDays(-ago), QTime(23, 30));
            QVERIFY(m_store->recordReview(card.id, FSRSRating::Good, 1));
        }
        m_now = today;
        QCOMPARE(m_store->currentStreak(), streak);
    }

    void successRateAndStats()
    {
        QCOMPARE(m_store->successRate(30), std::nullopt);
        const VocabCard card = add(QStringLiteral("x"));
        for (FSRSRating rating : { FSRSRating::Again, FSRSRating::Hard, FSRSRating::Good, FSRSRating::Easy })
            m_store->recordReview(card.id, rating, 1);
        QCOMPARE(m_store->successRate(30), std::optional<double>(0.75));
        add(QStringLiteral("new"));
        const auto stats = m_store->cardStats();
        QCOMPARE(stats.learning + stats.mastered, 2);
        setSchedule(add(QStringLiteral("m"), QStringLiteral("DE → RU")).id, 21.5, 4, m_now);
        setSchedule(add(QStringLiteral("m21"), QStringLiteral("DE → RU")).id, 21, 4, m_now);
        setSchedule(add(QStringLiteral("unreviewed"), QStringLiteral("DE → RU")).id, 30, 0, m_now);
        QCOMPARE(m_store->cardStats().mastered, 1);
        QCOMPARE(m_store->cardStats().learning, 4);
        QCOMPARE(m_store->cardStats(QStringLiteral("DE → RU")).mastered, 1);
        QCOMPARE(m_store->cardStats(QStringLiteral("DE → RU")).learning, 2);
        QCOMPARE(m_store->cardStats(QStringLiteral("ES → RU")).mastered, 0);
        VocabCard mastered;
        mastered.reps = 1;
        mastered.stability = 21;
        QVERIFY(!mastered.isMastered());
        mastered.stability = 21.0001;
        QVERIFY(mastered.isMastered());
    }

    // Local date-times as "yyyy-MM-dd HH:mm" in the current zone.
    static QDateTime at(const char* text)
    {
        return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm"));
    }

    void dailyReviewCounts_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("logs");
        QTest::addColumn<QStringList>("expected"); // "yyyy-MM-dd=count"
        QTest::newRow("empty") << "2026-05-10 12:00" << 7 << QStringList {} << QStringList {};
        QTest::newRow("window keeps the time of day")
            << "2026-05-10 12:00" << 7
            << QStringList { "2026-05-03 11:59", "2026-05-03 12:00", "2026-05-10 11:00", "2026-05-10 00:00" }
            << QStringList { "2026-05-03=1", "2026-05-10=2" };
        QTest::newRow("local midnight splits days, not UTC midnight")
            << "2026-05-10 12:00" << 3 << QStringList { "2026-05-09 00:30", "2026-05-09 01:30", "2026-05-08 23:59" }
            << QStringList { "2026-05-08=1", "2026-05-09=2" };
        QTest::newRow("23-hour spring day")
            << "2026-03-31 12:00" << 5
            << QStringList { "2026-03-28 23:50", "2026-03-29 00:30", "2026-03-29 23:30", "2026-03-30 00:10" }
            << QStringList { "2026-03-28=1", "2026-03-29=2", "2026-03-30=1" };
        QTest::newRow("25-hour autumn day") << "2026-10-27 12:00" << 5
                                            << QStringList { "2026-10-24 23:59", "2026-10-25 00:10", "2026-10-25 02:30",
                                                   "2026-10-25 23:50", "2026-10-26 00:05" }
                                            << QStringList { "2026-10-24=1", "2026-10-25=3", "2026-10-26=1" };
        QTest::newRow("a year across both changes")
            << "2026-12-31 23:00" << 365 << QStringList { "2026-01-01 00:01", "2026-06-15 23:59", "2026-12-31 22:59" }
            << QStringList { "2026-01-01=1", "2026-06-15=1", "2026-12-31=1" };
    }

    void dailyReviewCounts()
    {
        QFETCH(QString, now);
        QFETCH(int, days);
        QFETCH(QStringList, logs);
        QFETCH(QStringList, expected);
        m_now = QDateTime::fromString(now, QStringLiteral("yyyy-MM-dd HH:mm"));
        for (const QString& log : logs)
            logAt(QDateTime::fromString(log, QStringLiteral("yyyy-MM-dd HH:mm")));
        QStringList actual;
        const QMap<QDate, int> counts = m_store->dailyReviewCounts(days);
        for (auto it = counts.begin(); it != counts.end(); ++it)
            actual << it.key().toString(Qt::ISODate) + QLatin1Char('=') + QString::number(it.value());
        QCOMPARE(actual, expected);
    }

    void dailyCountsFollowAZoneChange()
    {
        // 23:30 in Berlin on the 9th is already the 10th in Tokyo.
        m_now = at("2026-05-10 12:00");
        logAt(at("2026-05-09 23:30"));
        QCOMPARE(m_store->dailyReviewCounts(7).firstKey(), QDate(2026, 5, 9));
        QCOMPARE(m_store->currentStreak(), 1);
        setZone("Asia/Tokyo");
        QCOMPARE(m_store->dailyReviewCounts(7).firstKey(), QDate(2026, 5, 10));
    }

    void todayStatsCountSinceLocalMidnight()
    {
        m_now = at("2026-05-10 12:00");
        QCOMPARE(m_store->todayStats().count, 0);
        QCOMPARE(m_store->todayStats().minutes, 0.0);
        logAt(at("2026-05-09 23:59"), 3, 100);
        for (int i = 0; i < 5; ++i)
            logAt(at("2026-05-10 00:00").addSecs(60 * i), 3, 30);
        QCOMPARE(m_store->todayStats().count, 5);
        QCOMPARE(m_store->todayStats().minutes, 2.5);
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
            setSchedule(add(QStringLiteral("w%1").arg(i)).id, stabilities[i], reps[i], m_now);
        add(QStringLiteral("other deck"), QStringLiteral("FR → RU"));
        const std::optional<double> average = m_store->averageIntervalDays();
        if (expected < 0) {
            QCOMPARE(average, std::nullopt);
            return;
        }
        QVERIFY(average);
        QCOMPARE(*average, expected);
        QCOMPARE(m_store->averageIntervalDays(QStringLiteral("ES → RU")), average);
        QCOMPARE(m_store->averageIntervalDays(QStringLiteral("FR → RU")), std::nullopt);
    }

    void upcomingLoadWindow()
    {
        m_now = at("2026-03-27 10:00");
        const auto due = [this](const char* when, const QString& deck = QStringLiteral("ES → RU")) {
            setSchedule(add(QStringLiteral("w"), deck).id, 3, 1, at(when));
        };
        due("2026-03-26 23:00"); // overdue: not counted
        due("2026-03-27 09:00"); // earlier today, already due: today's load
        due("2026-03-27 22:00"); // later today
        due("2026-03-29 23:30"); // the 23-hour day
        due("2026-04-02 23:59"); // last day of the window
        due("2026-04-03 00:00"); // exactly seven days ahead: outside
        due("2026-03-28 08:00", QStringLiteral("DE → RU"));
        const QMap<QDate, int> load = m_store->upcomingLoad(7);
        const QMap<QDate, int> expected { { QDate(2026, 3, 27), 2 }, { QDate(2026, 3, 28), 1 },
            { QDate(2026, 3, 29), 1 }, { QDate(2026, 4, 2), 1 } };
        QCOMPARE(load, expected);
        QCOMPARE(m_store->upcomingLoad(7, QStringLiteral("DE → RU")), (QMap<QDate, int> { { QDate(2026, 3, 28), 1 } }));
        QCOMPARE(m_store->upcomingLoad(1).value(QDate(2026, 3, 27)), 2);
        QCOMPARE(m_store->upcomingLoad(0).size(), 0);
    }

    void statisticsSurviveReopen()
    {
        const VocabCard card = add(QStringLiteral("x"));
        for (int day = 6; day >= 0; --day) {
            m_now = at("2026-05-10 09:00").addDays(-day);
            m_store->recordReview(card.id, day == 3 ? FSRSRating::Again : FSRSRating::Good, 12);
        }
        m_now = at("2026-05-10 12:00");
        const auto snapshot = [this] {
            return std::make_tuple(m_store->currentStreak(), m_store->dailyReviewCounts(30), m_store->successRate(30),
                m_store->averageIntervalDays(), m_store->upcomingLoad(30), m_store->todayStats().count,
                m_store->cardStats().learning, m_store->dueCards().size(), m_store->decks());
        };
        const auto before = snapshot();
        QCOMPARE(std::get<0>(before), 7);
        QCOMPARE(std::get<1>(before).size(), 7);
        openStore();
        QVERIFY(snapshot() == before);
    }

    void achievementsRecorded()
    {
        QVERIFY(m_store->unlockedAchievementIDs().isEmpty());
        QVERIFY(m_store->recordUnlockedAchievement(QStringLiteral("firstCard")));
        QVERIFY(m_store->recordUnlockedAchievement(QStringLiteral("streak7")));
        openStore();
        QCOMPARE(m_store->unlockedAchievementIDs(), (QSet<QString> { "firstCard", "streak7" }));
        add(QStringLiteral("a"));
        add(QStringLiteral("a"));
        QCOMPARE(m_store->cardCount(), 2); // no de-duplication by word
    }

    void previousSchemaUpgrades()
    {
        m_store.reset();
        m_database.reset();
        const QString path = CardDatabase::defaultFilePath();
        for (const char* suffix : { "", "-wal", "-shm" })
            QFile::remove(path + QString::fromLatin1(suffix));
        {
            // A version-1 file as the first release wrote it, with one card.
            auto raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QSqlQuery q(raw);
            QVERIFY(q.exec(QStringLiteral(
                "CREATE TABLE vocab_card (id INTEGER PRIMARY KEY, word TEXT NOT NULL DEFAULT '', sentence TEXT NOT NULL"
                " DEFAULT '', translated_word TEXT NOT NULL DEFAULT '', translated_sentence TEXT, etymology TEXT,"
                " phonetic TEXT, pronunciation_audio_extension TEXT NOT NULL DEFAULT 'mp3', image_file_extension TEXT,"
                " deck_name TEXT NOT NULL DEFAULT '', stability REAL NOT NULL DEFAULT 0, difficulty REAL NOT NULL"
                " DEFAULT 0, due_date INTEGER NOT NULL, last_review_date INTEGER, reps INTEGER NOT NULL DEFAULT 0,"
                " lapses INTEGER NOT NULL DEFAULT 0, created_at INTEGER NOT NULL)")));
            QVERIFY(
                q.exec(QStringLiteral("CREATE TABLE grammar_card (id INTEGER PRIMARY KEY, exercise_type TEXT NOT NULL"
                                      " DEFAULT 'multipleChoice', source TEXT NOT NULL DEFAULT 'bank',"
                                      " bank_exercise_id TEXT, topic_id TEXT NOT NULL DEFAULT '', topic TEXT NOT"
                                      " NULL DEFAULT '', prompt_text TEXT NOT NULL DEFAULT '', choices TEXT NOT NULL"
                                      " DEFAULT '[]', correct_answer TEXT NOT NULL DEFAULT '', explanation TEXT NOT"
                                      " NULL DEFAULT '', stability REAL NOT NULL DEFAULT 0, difficulty REAL NOT NULL"
                                      " DEFAULT 0, due_date INTEGER NOT NULL, last_review_date INTEGER, reps"
                                      " INTEGER NOT NULL DEFAULT 0, lapses INTEGER NOT NULL DEFAULT 0, created_at"
                                      " INTEGER NOT NULL)")));
            for (const char* sql :
                { "CREATE TABLE vocab_media (card_id INTEGER PRIMARY KEY, pronunciation_audio BLOB, image_data BLOB)",
                    "CREATE TABLE review_log (id INTEGER PRIMARY KEY, date INTEGER NOT NULL, duration_seconds REAL NOT"
                    " NULL DEFAULT 0, rating INTEGER NOT NULL)",
                    "CREATE TABLE unlocked_achievement (id INTEGER PRIMARY KEY, achievement_id TEXT NOT NULL,"
                    " unlocked_at INTEGER NOT NULL)",
                    "CREATE TABLE grammar_review_log (id INTEGER PRIMARY KEY, date INTEGER NOT NULL, duration_seconds"
                    " REAL NOT NULL DEFAULT 0, rating INTEGER NOT NULL)",
                    "CREATE INDEX vocab_card_due ON vocab_card(due_date, id)",
                    "CREATE INDEX vocab_card_deck_due ON vocab_card(deck_name, due_date, id)",
                    "CREATE INDEX review_log_date ON review_log(date)",
                    "CREATE INDEX grammar_card_due ON grammar_card(due_date, id)",
                    "CREATE UNIQUE INDEX grammar_card_bank_exercise ON grammar_card(bank_exercise_id) WHERE"
                    " bank_exercise_id IS NOT NULL",
                    "CREATE INDEX grammar_review_log_date ON grammar_review_log(date)",
                    "INSERT INTO review_log (date, rating) VALUES (0, 3)",
                    "INSERT INTO vocab_card (word, deck_name, due_date, created_at) VALUES ('viejo', 'ES → RU', 0, 0)",
                    "PRAGMA user_version=1" })
                QVERIFY2(q.exec(QString::fromUtf8(sql)), sql);
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        openStore();
        QVERIFY(m_store);
        QCOMPARE(m_store->allCards().size(), 1);
        QCOMPARE(m_store->allCards().first().word, QStringLiteral("viejo"));
        QSqlQuery q(m_database->db());
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), CardDatabase::kSchemaVersion);
        QVERIFY(q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'review_log_date'")) && q.next());
        QVERIFY(q.value(0).toString().contains(QStringLiteral("rating")));
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('grammar_card_topic_due',"
                                      " 'vocab_card_stability', 'vocab_card_deck_stability')")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 3);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM review_log")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
    }

    void newerFileIsRefusedUntouched()
    {
        m_store.reset();
        m_database.reset();
        const QString path = CardDatabase::defaultFilePath();
        {
            auto raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QSqlQuery(raw).exec(QStringLiteral("PRAGMA user_version=99"));
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QString error;
        QVERIFY(!CardDatabase::open(path, &error));
        QVERIFY(error.contains(QStringLiteral("более новой версией")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY(CardDatabase::fatalMessage(error).startsWith(
            QStringLiteral("Не удалось создать локальное хранилище карточек: ")));
    }

    void unopenablePathFails()
    {
        QString error;
        QVERIFY(!CardDatabase::open(QStringLiteral("/proc/quillmoor/cards.sqlite"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVocabCardStore)
#include "TestVocabCardStore.moc"
