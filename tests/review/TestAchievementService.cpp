#include "grammar/GrammarBankCatalog.h"
#include "preferences/Preferences.h"
#include "review/AchievementService.h"
#include "store/GrammarCardStore.h"
#include "store/VocabCardStore.h"
#include "support/ScenarioSteps.h"
#include "support/TempCardStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A course with three A1 topics and one A2 topic, in the course file format.
QByteArray courseFile()
{
    QJsonArray topics;
    const QList<QPair<QString, QString>> titles { { "T1", "a1" }, { "T2", "a1" }, { "T3", "a1" }, { "T4", "a2" } };
    for (const auto& [title, level] : titles) {
        const QJsonObject exercise { { "id", "xx." + title + ".1" }, { "type", "multipleChoice" },
            { "prompt", "Yo ___." }, { "choices", QJsonArray { "soy", "es" } }, { "correctAnswer", "soy" },
            { "explanation", "—" } };
        topics << QJsonObject { { "id", "xx." + title }, { "title", title }, { "subtitle", "—" },
            { "systemImage", "textformat" }, { "level", level }, { "theory", "—" }, { "searchKeywords", QJsonArray {} },
            { "exercises", QJsonArray { exercise } } };
    }
    return QJsonDocument(QJsonObject { { "version", 1 }, { "languageCode", "xx" }, { "topics", topics } }).toJson();
}
} // namespace

class TestAchievementService : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    QTemporaryDir m_courses;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<GrammarCardStore> m_grammar;
    std::unique_ptr<GrammarBankCatalog> m_catalog;
    std::unique_ptr<AchievementService> m_service;
    QStringList m_announced;

    void addCards(int count, double stability = 0, int reps = 0)
    {
        for (int i = 0; i < count; ++i)
            exec(QStringLiteral("INSERT INTO vocab_card (word, stability, reps, due_date, created_at)"
                                " VALUES ('w', ?, ?, ?, ?)"),
                { stability, reps, now.toMSecsSinceEpoch(), now.toMSecsSinceEpoch() });
    }
    void addLogs(const QString& table, int count, const QDateTime& at)
    {
        for (int i = 0; i < count; ++i)
            exec(QStringLiteral("INSERT INTO %1 (date, rating) VALUES (?, 3)").arg(table), { at.toMSecsSinceEpoch() });
    }
    void addGrammarCard(const QString& topic, int reps)
    {
        exec(QStringLiteral("INSERT INTO grammar_card (topic, reps, due_date, created_at) VALUES (?, ?, ?, ?)"),
            { topic, reps, now.toMSecsSinceEpoch(), now.toMSecsSinceEpoch() });
    }

    // One step of a scenario: "<verb> <argument>".
    void step(const QString& verb, const QString& argument)
    {
        const int n = argument.toInt();
        if (verb == "cards") {
            addCards(n);
        } else if (verb == "mastered") {
            addCards(n, 30, 4);
        } else if (verb == "reviews") {
            addLogs("review_log", n, now);
        } else if (verb == "grammarReviews") {
            addLogs("grammar_review_log", n, now);
        } else if (verb == "streak") {
            for (int day = 0; day < n; ++day)
                addLogs("review_log", 1, now.addDays(-day));
        } else if (verb == "days") {
            now = now.addDays(n);
        } else if (verb == "rate") {
            addGrammarCard(argument, 1);
        } else if (verb == "add") {
            addGrammarCard(argument, 0);
        } else if (verb == "study") {
            m_preferences->translation().setStudyLanguageCode(argument);
        } else if (verb == "record") {
            QVERIFY(store().recordUnlockedAchievement(argument));
        } else if (verb == "unreadable") {
            exec(QStringLiteral("ALTER TABLE unlocked_achievement RENAME TO set_aside"));
        } else if (verb == "earned") {
            QStringList earned = store().unlockedAchievementIDs().value_or(QSet<QString>()).values();
            earned.sort();
            QCOMPARE(earned.join(','), argument);
        } else if (verb == "check") {
            m_announced.clear();
            QStringList returned;
            for (const AchievementDefinition& definition : m_service->checkForNewlyUnlocked())
                returned << definition.id;
            QCOMPARE(m_announced.join(','), argument);
            QCOMPARE(returned, m_announced);
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        QFile file(m_courses.filePath(QStringLiteral("xx_grammar_bank.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(courseFile());
        file.close();
        m_preferences = std::make_unique<Preferences>(m_home->defaultsFile());
        m_preferences->translation().setStudyLanguageCode(QStringLiteral("xx"));
        m_grammar = std::make_unique<GrammarCardStore>(*m_database, [this] { return now; });
        m_catalog = std::make_unique<GrammarBankCatalog>(GrammarBankCatalog::Options { m_courses.path() });
        m_service = std::make_unique<AchievementService>(store(), *m_grammar, *m_catalog, m_preferences->translation(),
            [this](const AchievementDefinition& definition) { m_announced << definition.id; });
    }
    void cleanup()
    {
        m_service.reset();
        m_catalog.reset();
        m_grammar.reset();
        m_preferences.reset();
        closeStore();
    }

    void scenario_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("first card at the next check") << "check; cards 1; check cards_1; check";
        QTest::newRow("seven-day streak, each once") << "streak 7; check streak_3,streak_7; check";
        QTest::newRow("broken streak keeps its award") << "streak 7; check streak_3,streak_7; days 3; check; earned streak_3,streak_7";
        QTest::newRow("a day missed breaks it") << "streak 2; days -3; streak 2; days 3; check";
        QTest::newRow("grammar reviews do not count") << "grammarReviews 15; check; reviews 9; check; reviews 1; check reviews_10";
        QTest::newRow("thresholds are reached, not approached") << "cards 40; mastered 9; check cards_1; cards 1; check cards_50; mastered 1; check mastered_10";
        QTest::newRow("several at once, catalogue order") << "mastered 10; cards 40; reviews 100; check cards_1,reviews_10,mastered_10,reviews_100,cards_50";
        QTest::newRow("counts beyond the last threshold") << "reviews 1500; mastered 150; check cards_1,reviews_10,mastered_10,reviews_100,cards_50,mastered_100,reviews_1000";
        QTest::newRow("hundred-day streak") << "streak 120; check reviews_10,streak_3,streak_7,reviews_100,streak_30,streak_100";
        QTest::newRow("A1 needs every A1 topic rated") << "rate T1; rate T2; add T3; check; rate T3; check grammar_a1; check";
        QTest::newRow("unrated cards give no accuracy") << "add T1; add T2; add T3; add T4; check";
        QTest::newRow("A2 with its only topic") << "rate T4; check grammar_a2";
        QTest::newRow("course of the study language") << "study yy; rate T1; rate T2; rate T3; check; study xx; check grammar_a1";
        QTest::newRow("earned elsewhere meanwhile") << "record cards_1; cards 1; check";
        QTest::newRow("unreadable earned ids announce nothing") << "streak 7; cards 1; unreadable; check; check";
        // clang-format on
    }

    void scenario()
    {
        QFETCH(QString, steps);
        runScenario(steps, [this](const QString& verb, const QString& argument) { step(verb, argument); });
    }
};

QTEST_GUILESS_MAIN(TestAchievementService)
#include "TestAchievementService.moc"
