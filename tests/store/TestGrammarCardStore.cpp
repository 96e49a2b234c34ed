#include "grammar/GrammarBankExercise.h"
#include "store/GrammarCardStore.h"
#include "support/TempCardStore.h"

#include <QTest>

class TestGrammarCardStore : public QObject, TempCardStore<GrammarCardStore>
{
    Q_OBJECT

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

    bool addBank(const QString& id, const QString& topicID, const QString& topic)
    {
        return store().addBankExercise(exercise(id), topicID, topic);
    }

private Q_SLOTS:
    void init() { openStore("Europe/Madrid"); }
    void cleanup() { closeStore(); }

    void bankExerciseBecomesOneCard()
    {
        QVERIFY(store().addBankExercise(exercise(QStringLiteral("es-present-1"), GrammarExerciseType::WordOrder),
            QStringLiteral("present"), QStringLiteral("Presente")));
        QVERIFY(!addBank(QStringLiteral("es-present-1"), QStringLiteral("present"), QStringLiteral("Presente")));
        // The same id in another topic or course is still the same exercise.
        QVERIFY(!addBank(QStringLiteral("es-present-1"), QStringLiteral("other"), QStringLiteral("Otro")));
        reopenStore();
        const QList<GrammarCard> cards = store().allCards();
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
        QVERIFY(card.isDue(now));
    }

    void personalizedCardsNeverCollide()
    {
        GrammarCardStore::PersonalizedExercise generated;
        generated.exerciseType = QStringLiteral("cloze");
        generated.topic = QStringLiteral("Мои слова");
        generated.promptText = QStringLiteral("El ___ ladra.");
        generated.correctAnswer = QStringLiteral("perro");
        const auto first = store().addPersonalized(generated);
        const auto second = store().addPersonalized(generated);
        QVERIFY(first && second);
        QVERIFY(first->id != second->id);
        QCOMPARE(first->source, QStringLiteral("personalized"));
        QCOMPARE(first->topicID, QStringLiteral("personalized"));
        QCOMPARE(first->bankExerciseID, std::nullopt);
        QVERIFY(first->choices.isEmpty());
        QCOMPARE(store().allCards(QStringLiteral("Мои слова")).size(), 2);
    }

    void batchesAreAllOrNothing()
    {
        addBank(QStringLiteral("shared"), QStringLiteral("other"), QStringLiteral("Otro"));
        const QList<GrammarBankExercise> topic { exercise(QStringLiteral("t.1")), exercise(QStringLiteral("shared")),
            exercise(QStringLiteral("t.2")) };
        QCOMPARE(store().addBankExercises(topic, QStringLiteral("t"), QStringLiteral("Tema")), std::optional(2));
        QCOMPARE(store().addBankExercises(topic, QStringLiteral("t"), QStringLiteral("Tema")), std::optional(0));
        QCOMPARE(store().allCards(QStringLiteral("Tema")).size(), 2);

        GrammarCardStore::PersonalizedExercise generated;
        generated.exerciseType = QStringLiteral("cloze");
        generated.topic = QStringLiteral("Мои слова");
        generated.correctAnswer = QStringLiteral("perro");
        generated.promptText = QStringLiteral("El ___ ladra.");
        GrammarCardStore::PersonalizedExercise refused = generated;
        refused.promptText = QStringLiteral("refused");
        // The second row cannot be written: neither is kept, in either batch.
        exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON grammar_card WHEN NEW.prompt_text = 'refused'"
                            " BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        QVERIFY(!store().addPersonalized(QList { generated, refused }));
        GrammarBankExercise bad = exercise(QStringLiteral("t.4"));
        bad.prompt = QStringLiteral("refused");
        QCOMPARE(store().addBankExercises(
                     { exercise(QStringLiteral("t.3")), bad }, QStringLiteral("t"), QStringLiteral("Tema")),
            std::nullopt);
        QCOMPARE(store().allCards().size(), 3);
        QVERIFY(store().addPersonalized(QList { generated, generated }));
        QCOMPARE(store().allCards(QStringLiteral("Мои слова")).size(), 2);
    }

    void topicFilterIsExact()
    {
        addBank(QStringLiteral("a"), QStringLiteral("t1"), QStringLiteral("Ser y estar"));
        now = now.addSecs(-60);
        addBank(QStringLiteral("b"), QStringLiteral("t1"), QStringLiteral("Ser y estar"));
        addBank(QStringLiteral("c"), QStringLiteral("t2"), QStringLiteral("ser y estar"));
        now = now.addSecs(60);
        const QList<GrammarCard> due = store().dueCards(QStringLiteral("Ser y estar"));
        QCOMPARE(due.size(), 2);
        QCOMPARE(due.first().bankExerciseID, QStringLiteral("b")); // oldest due first
        QCOMPARE(store().dueCards(QStringLiteral("ser y estar")).size(), 1);
        QCOMPARE(store().dueCards(QStringLiteral("t1")).size(), 0); // titles, not ids
        QCOMPARE(store().dueCards().size(), 3);
    }

    void ratingSchedulesAndLogs()
    {
        addBank(QStringLiteral("a"), QStringLiteral("t"), QStringLiteral("T"));
        const qint64 id = store().allCards().first().id;
        const auto easy = store().recordReview(id, FSRSRating::Easy, 7.5);
        QVERIFY(easy);
        QCOMPARE(easy->stability, 8.2956);
        QCOMPARE(easy->dueDate.toLocalTime(), now.addDays(8));
        QVERIFY(store().dueCards().isEmpty());
        now = now.addDays(10);
        const auto again = store().recordReview(id, FSRSRating::Again, 3);
        QCOMPARE(again->lapses, 1);
        QCOMPARE(again->reps, 2);
        QCOMPARE(store().currentStreak(), 1); // from the grammar log: ten days apart
        reopenStore();
        QCOMPARE(store().allCards().first().reps, 2);
        QCOMPARE(rows(QStringLiteral("SELECT rating, duration_seconds FROM grammar_review_log ORDER BY id")),
            (QStringList { "4,7.5", "1,3" }));
        // Grammar ratings stay out of the vocabulary log.
        QCOMPARE(rows(QStringLiteral("SELECT COUNT(*) FROM review_log")), QStringList { "0" });
        QVERIFY(!store().recordReview(424242, FSRSRating::Good, 1));
    }

    void accuracy_data()
    {
        QTest::addColumn<int>("reps");
        QTest::addColumn<int>("lapses");
        QTest::addColumn<int>("expected"); // -1: none
        // clang-format off
        QTest::newRow("no ratings") << 0 << 0 << -1;
        QTest::newRow("10 ratings, 2 lapses") << 10 << 2 << 80;
        QTest::newRow("3 ratings, 1 lapse") << 3 << 1 << 67;
        QTest::newRow("half rounds away from zero") << 8 << 1 << 88; // 87.5
        QTest::newRow("all lapses") << 4 << 4 << 0;
        QTest::newRow("more lapses than ratings is clamped") << 2 << 5 << 0;
        // clang-format on
    }

    void accuracy()
    {
        QFETCH(int, reps);
        QFETCH(int, lapses);
        QFETCH(int, expected);
        // Two cards share the totals; a third topic's card is left out.
        const QString update
            = QStringLiteral("UPDATE grammar_card SET reps = ?, lapses = ? WHERE bank_exercise_id = ?");
        for (const char* id : { "a", "b", "c" })
            addBank(QString::fromLatin1(id), QStringLiteral("t"),
                id[0] == 'c' ? QStringLiteral("Otro") : QStringLiteral("Tema"));
        exec(update, { reps - reps / 2, lapses - lapses / 2, QStringLiteral("a") });
        exec(update, { reps / 2, lapses / 2, QStringLiteral("b") });
        exec(update, { 5, 0, QStringLiteral("c") });
        QCOMPARE(
            store().accuracyPercent(QStringLiteral("Tema")), expected < 0 ? std::nullopt : std::optional(expected));
        QCOMPARE(store().accuracyPercent(QStringLiteral("Nada")), std::nullopt);
        // Every topic at once gives the same figures.
        const QHash<QString, int> all = store().accuracyByTopic();
        QCOMPARE(all.value(QStringLiteral("Tema"), -1), expected);
        QCOMPARE(all.value(QStringLiteral("Otro")), 100);
        QCOMPARE(all.size(), expected < 0 ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(TestGrammarCardStore)
#include "TestGrammarCardStore.moc"
