#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"
#include "support/TempXdgHome.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <ctime>

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
        VocabCardStore::NewCard card;
        card.word = word;
        card.deckName = deck;
        const auto stored = m_store->addCard(card);
        return stored.value_or(VocabCard {});
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
        m_store.reset();
        m_database.reset();
        m_home.reset();
    }

    void newCardDefaultsAndReopen()
    {
        VocabCardStore::NewCard input;
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
        VocabCard mastered;
        mastered.reps = 1;
        mastered.stability = 21;
        QVERIFY(!mastered.isMastered());
        mastered.stability = 21.0001;
        QVERIFY(mastered.isMastered());
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
        QVERIFY(error.contains(QStringLiteral("newer")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QVERIFY(CardDatabase::fatalMessage(error).startsWith(QStringLiteral("Не удалось создать локальное хранилище карточек: ")));
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
