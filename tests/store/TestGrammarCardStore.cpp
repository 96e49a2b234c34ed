#include "grammar/GrammarBankExercise.h"
#include "store/CardDatabase.h"
#include "store/GrammarCardStore.h"
#include "support/TempXdgHome.h"

#include <QSqlQuery>
#include <QTest>

#include <ctime>

class TestGrammarCardStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<CardDatabase> m_database;
    std::unique_ptr<GrammarCardStore> m_store;
    QDateTime m_now;

    void openStore()
    {
        QString error;
        m_store.reset();
        m_database = CardDatabase::open(CardDatabase::defaultFilePath(), &error);
        QVERIFY2(m_database, qPrintable(error));
        m_store = std::make_unique<GrammarCardStore>(*m_database);
        m_store->setClock([this] { return m_now; });
    }

    static GrammarBankExercise exercise(const QString& id, GrammarExerciseType type = GrammarExerciseType::Cloze)
    {
        GrammarBankExercise e;
        e.id = id;
        e.type = type;
        e.prompt = QStringLiteral("Yo ___ español.");
        e.choices = { QStringLiteral("hablo"), QStringLiteral("habla"), QStringLiteral("\"hablan\", [sic]") };
        e.correctAnswer = QStringLiteral("hablo");
        e.explanation = QStringLiteral("Первое лицо единственного числа.");
        return e;
    }

    void setCounts(const QString& topic, int reps, int lapses)
    {
        QSqlQuery q(m_database->db());
        q.prepare(QStringLiteral("UPDATE grammar_card SET reps = ?, lapses = ? WHERE topic = ?"));
        q.addBindValue(reps);
        q.addBindValue(lapses);
        q.addBindValue(topic);
        QVERIFY(q.exec());
    }

private Q_SLOTS:
    void init()
    {
        qputenv("TZ", "Europe/Madrid");
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

    void bankExerciseBecomesOneCard()
    {
        QVERIFY(m_store->addBankExercise(exercise(QStringLiteral("es-present-1"), GrammarExerciseType::WordOrder),
            QStringLiteral("present"), QStringLiteral("Presente")));
        QVERIFY(!m_store->addBankExercise(
            exercise(QStringLiteral("es-present-1")), QStringLiteral("present"), QStringLiteral("Presente")));
        // The same id in another topic or course is still the same exercise.
        QVERIFY(!m_store->addBankExercise(
            exercise(QStringLiteral("es-present-1")), QStringLiteral("other"), QStringLiteral("Otro")));
        openStore();
        const QList<GrammarCard> cards = m_store->allCards();
        QCOMPARE(cards.size(), 1);
        const GrammarCard& card = cards.first();
        QCOMPARE(card.exerciseType, QStringLiteral("wordOrder"));
        QCOMPARE(card.source, QStringLiteral("bank"));
        QCOMPARE(card.bankExerciseID, QStringLiteral("es-present-1"));
        QCOMPARE(card.topicID, QStringLiteral("present"));
        QCOMPARE(card.topic, QStringLiteral("Presente"));
        QCOMPARE(card.choices, exercise(QString()).choices);
        QCOMPARE(card.explanation, QStringLiteral("Первое лицо единственного числа."));
        QCOMPARE(card.reps, 0);
        QCOMPARE(card.stability, 0.0);
        QVERIFY(!card.lastReviewDate);
        QVERIFY(card.isDue(m_now));
    }

    void personalizedCardsNeverCollide()
    {
        GrammarCardStore::PersonalizedExercise generated;
        generated.exerciseType = QStringLiteral("cloze");
        generated.topic = QStringLiteral("Мои слова");
        generated.promptText = QStringLiteral("El ___ ladra.");
        generated.correctAnswer = QStringLiteral("perro");
        const auto first = m_store->addPersonalized(generated);
        const auto second = m_store->addPersonalized(generated);
        QVERIFY(first && second);
        QVERIFY(first->id != second->id);
        QCOMPARE(first->source, QStringLiteral("personalized"));
        QCOMPARE(first->topicID, QStringLiteral("personalized"));
        QCOMPARE(first->bankExerciseID, std::nullopt);
        QVERIFY(first->choices.isEmpty());
        QCOMPARE(m_store->allCards(QStringLiteral("Мои слова")).size(), 2);
    }

    void topicFilterIsExact()
    {
        m_store->addBankExercise(exercise(QStringLiteral("a")), QStringLiteral("t1"), QStringLiteral("Ser y estar"));
        m_now = m_now.addSecs(-60);
        m_store->addBankExercise(exercise(QStringLiteral("b")), QStringLiteral("t1"), QStringLiteral("Ser y estar"));
        m_store->addBankExercise(exercise(QStringLiteral("c")), QStringLiteral("t2"), QStringLiteral("ser y estar"));
        m_now = m_now.addSecs(60);
        const QList<GrammarCard> due = m_store->dueCards(QStringLiteral("Ser y estar"));
        QCOMPARE(due.size(), 2);
        QCOMPARE(due.first().bankExerciseID, QStringLiteral("b")); // oldest due first
        QCOMPARE(m_store->dueCards(QStringLiteral("ser y estar")).size(), 1);
        QCOMPARE(m_store->dueCards(QStringLiteral("t1")).size(), 0); // titles, not ids
        QCOMPARE(m_store->dueCards().size(), 3);
    }

    void ratingSchedulesAndLogs()
    {
        m_store->addBankExercise(exercise(QStringLiteral("a")), QStringLiteral("t"), QStringLiteral("T"));
        const qint64 id = m_store->allCards().first().id;
        const auto easy = m_store->recordReview(id, FSRSRating::Easy, 7.5);
        QVERIFY(easy);
        QCOMPARE(easy->stability, 8.2956);
        QCOMPARE(easy->dueDate.toLocalTime(), m_now.addDays(8));
        QVERIFY(m_store->dueCards().isEmpty());
        m_now = m_now.addDays(10);
        const auto again = m_store->recordReview(id, FSRSRating::Again, 3);
        QCOMPARE(again->lapses, 1);
        QCOMPARE(again->reps, 2);
        openStore();
        QCOMPARE(m_store->allCards().first().reps, 2);
        QSqlQuery logs(m_database->db());
        QVERIFY(logs.exec(QStringLiteral("SELECT rating, duration_seconds FROM grammar_review_log ORDER BY id")));
        QVERIFY(logs.next());
        QCOMPARE(logs.value(0).toInt(), 4);
        QCOMPARE(logs.value(1).toDouble(), 7.5);
        QVERIFY(logs.next());
        QCOMPARE(logs.value(0).toInt(), 1);
        QVERIFY(!logs.next());
        QVERIFY(QSqlQuery(m_database->db()).exec(QStringLiteral("SELECT 1 FROM review_log")));
        QSqlQuery vocabLogs(m_database->db());
        QVERIFY(vocabLogs.exec(QStringLiteral("SELECT COUNT(*) FROM review_log")) && vocabLogs.next());
        QCOMPARE(vocabLogs.value(0).toInt(), 0); // grammar ratings stay out of the vocabulary log
        QVERIFY(!m_store->recordReview(424242, FSRSRating::Good, 1));
    }

    void accuracy_data()
    {
        QTest::addColumn<int>("reps");
        QTest::addColumn<int>("lapses");
        QTest::addColumn<int>("expected"); // -1: none
        QTest::newRow("no ratings") << 0 << 0 << -1;
        QTest::newRow("10 ratings, 2 lapses") << 10 << 2 << 80;
        QTest::newRow("3 ratings, 1 lapse") << 3 << 1 << 67;
        QTest::newRow("half rounds away from zero") << 8 << 1 << 88; // 87.5
        QTest::newRow("all lapses") << 4 << 4 << 0;
        QTest::newRow("more lapses than ratings is clamped") << 2 << 5 << 0;
    }

    void accuracy()
    {
        QFETCH(int, reps);
        QFETCH(int, lapses);
        QFETCH(int, expected);
        // Two cards share the totals.
        m_store->addBankExercise(exercise(QStringLiteral("a")), QStringLiteral("t"), QStringLiteral("Tema"));
        m_store->addBankExercise(exercise(QStringLiteral("b")), QStringLiteral("t"), QStringLiteral("Tema"));
        m_store->addBankExercise(exercise(QStringLiteral("c")), QStringLiteral("u"), QStringLiteral("Otro"));
        QSqlQuery q(m_database->db());
        q.prepare(QStringLiteral("UPDATE grammar_card SET reps = ?, lapses = ? WHERE bank_exercise_id = 'a'"));
        q.addBindValue(reps - reps / 2);
        q.addBindValue(lapses - lapses / 2);
        QVERIFY(q.exec());
        q.prepare(QStringLiteral("UPDATE grammar_card SET reps = ?, lapses = ? WHERE bank_exercise_id = 'b'"));
        q.addBindValue(reps / 2);
        q.addBindValue(lapses / 2);
        QVERIFY(q.exec());
        setCounts(QStringLiteral("Otro"), 5, 0);
        const std::optional<int> accuracy = m_store->accuracyPercent(QStringLiteral("Tema"));
        QCOMPARE(accuracy, expected < 0 ? std::nullopt : std::optional(expected));
        QCOMPARE(m_store->accuracyPercent(QStringLiteral("Nada")), std::nullopt);
    }

    void streakCountsGrammarReviewsOnly()
    {
        m_store->addBankExercise(exercise(QStringLiteral("a")), QStringLiteral("t"), QStringLiteral("T"));
        const qint64 id = m_store->allCards().first().id;
        const QDateTime today = m_now;
        for (int ago : { 3, 2, 1 }) {
            m_now = today.addDays(-ago);
            QVERIFY(m_store->recordReview(id, FSRSRating::Good, 1));
        }
        m_now = today;
        QCOMPARE(m_store->currentStreak(), 3);
        m_now = today.addDays(2);
        QCOMPARE(m_store->currentStreak(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGrammarCardStore)
#include "TestGrammarCardStore.moc"
