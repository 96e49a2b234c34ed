#include "grammar/GrammarBankCatalog.h"
#include "support/CapturedLog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonObject exercise(const QString& id)
{
    return { { "id", id }, { "type", "multipleChoice" }, { "prompt", "Yo ___ español." },
        { "choices", QJsonArray { "hablo", "hablas" } }, { "correctAnswer", "hablo" },
        { "explanation", "Первое лицо." } };
}

QJsonObject topic(const QString& id)
{
    return { { "id", id }, { "title", "Артикли a/an и the" }, { "subtitle", "Когда артикль нужен" },
        { "systemImage", "textformat" }, { "level", "a2" }, { "theory", "Текст." },
        { "searchKeywords", QJsonArray { "articles", "well-known" } },
        { "exercises", QJsonArray { exercise(id + ".1") } } };
}

QJsonObject course(const QJsonArray& topics)
{
    return { { "version", 3 }, { "languageCode", "xx" }, { "topics", topics } };
}

GrammarBankTopic searchTopic()
{
    GrammarBankTopic t;
    t.title = QStringLiteral("Артикли a/an и the");
    t.subtitle = QStringLiteral("Определённый и неопределённый");
    t.searchKeywords = { QStringLiteral("articles"), QStringLiteral("well-known"), QStringLiteral("cafe\u0301"),
        QStringLiteral("abcd") };
    t.localized = GrammarLocalizedTexts::fromJson(
        QJsonObject { { "en", QJsonObject { { "title", "Definite and indefinite articles" } } } });
    return t;
}

} // namespace

class TestGrammarBankCatalog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void write(const QString& code, const QByteArray& json)
    {
        QFile file(m_dir.filePath(code + QStringLiteral("_grammar_bank.json")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(json);
    }

    GrammarBankCatalog catalog() { return GrammarBankCatalog({ m_dir.path() }); }

private Q_SLOTS:
    void decodesEveryFieldAndDefaultsTheOptionalOnes()
    {
        QJsonObject full = topic(QStringLiteral("xx.a2.full"));
        QJsonObject fullExercise = exercise(QStringLiteral("xx.a2.full.1"));
        fullExercise.insert("localized", QJsonObject { { "en", QJsonObject { { "explanation", "First person." } } } });
        full.insert("exercises", QJsonArray { fullExercise });
        full.insert("localized", QJsonObject { { "en", QJsonObject { { "title", "Articles" } } } });
        QJsonObject bare = topic(QStringLiteral("xx.a1.bare"));
        QJsonObject bareExercise = exercise(QStringLiteral("xx.a1.bare.1"));
        for (const char* key : { "level", "theory", "searchKeywords" })
            bare.remove(QLatin1String(key));
        bareExercise.remove("choices");
        bare.insert("exercises", QJsonArray { bareExercise });
        bare.insert("unknownKey", QJsonArray { 1, 2 });
        write(QStringLiteral("xx"), QJsonDocument(course({ full, bare })).toJson());

        const QList<GrammarBankTopic> topics = catalog().load(QStringLiteral("xx"));
        QCOMPARE(topics.size(), 2);
        const GrammarBankTopic& t = topics[0];
        QCOMPARE(t.level, GrammarLevel::A2);
        QCOMPARE(t.searchKeywords, QStringList({ "articles", "well-known" }));
        QCOMPARE(t.exercises[0].choices, QStringList({ "hablo", "hablas" }));
        QCOMPARE(t.exercises[0].type, GrammarExerciseType::MultipleChoice);
        // The stored title never changes with the interface language; the shown one does.
        QCOMPARE(t.displayTitle(InterfaceLanguage::Ru), t.title);
        QCOMPARE(t.displayTitle(InterfaceLanguage::En), QStringLiteral("Articles"));
        QCOMPARE(t.displayTitle(InterfaceLanguage::Ja), QStringLiteral("Articles"));
        QCOMPARE(t.displaySubtitle(InterfaceLanguage::En), t.subtitle);
        QCOMPARE(
            t.exercises[0].localized.text(InterfaceLanguage::Fr, "explanation", "x"), QStringLiteral("First person."));
        QCOMPARE(topics[1].level, GrammarLevel::A1);
        QVERIFY(topics[1].theory.isEmpty() && topics[1].searchKeywords.isEmpty() && topics[1].localized.isEmpty());
        QVERIFY(topics[1].exercises[0].choices.isEmpty());
    }

    void invalidFilesAreRejectedWhole_data()
    {
        using Edit = std::function<void(QJsonObject&, QJsonObject&)>;
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("where"); // what the log line points at
        // A good topic before the bad one is not kept: there is no partial loading.
        const auto row = [](const char* name, const Edit& edit) {
            QJsonObject bad = topic(QStringLiteral("xx.a1.bad"));
            QJsonObject badExercise = exercise(QStringLiteral("xx.a1.bad.1"));
            edit(bad, badExercise);
            if (bad.value("exercises").isArray())
                bad.insert("exercises", QJsonArray { badExercise });
            // clang-format off
            QTest::newRow(name) << QJsonDocument(course({ topic(QStringLiteral("xx.a1.good")), bad })).toJson() << QStringLiteral("topics[1]");
            // clang-format on
        };
        row("C1 level", [](QJsonObject& t, QJsonObject&) { t.insert("level", "c1"); });
        row("upper-case level", [](QJsonObject& t, QJsonObject&) { t.insert("level", "A1"); });
        row("unknown type", [](QJsonObject&, QJsonObject& e) { e.insert("type", "fillIn"); });
        row("number for a string", [](QJsonObject& t, QJsonObject&) { t.insert("title", 5); });
        row("number in keywords", [](QJsonObject& t, QJsonObject&) {
            t.insert("searchKeywords", QJsonArray { "a", 2 });
        });
        row("theory of another type", [](QJsonObject& t, QJsonObject&) { t.insert("theory", true); });
        row("no subtitle", [](QJsonObject& t, QJsonObject&) { t.remove("subtitle"); });
        row("null exercises", [](QJsonObject& t, QJsonObject&) { t.insert("exercises", QJsonValue()); });
        row("no answer", [](QJsonObject&, QJsonObject& e) { e.remove("correctAnswer"); });
        // clang-format off
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1,") << QString();
        QTest::newRow("an array") << QByteArray("[]") << QString();
        QTest::newRow("fractional version") << QByteArray(R"({"version": 1.5, "languageCode": "xx", "topics": []})") << QString();
        QTest::newRow("no topics") << QByteArray(R"({"version": 1, "languageCode": "xx"})") << QString();
        // clang-format on
    }

    void invalidFilesAreRejectedWhole()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, where);
        write(QStringLiteral("xx"), json);
        CapturedLog log;
        GrammarBankCatalog shared = catalog();
        QVERIFY(shared.topics(QStringLiteral("xx")).isEmpty());
        QVERIFY(shared.topics(QStringLiteral("xx")).isEmpty());
        const QStringList lines = log.messages(QStringLiteral("quillmoor.grammar"));
        QCOMPARE(lines.size(), 1); // once
        QVERIFY2(lines[0].contains(where), qPrintable(lines[0]));
    }

    void missingCourseIsLoggedOnceAndCachedEmpty()
    {
        CapturedLog log;
        GrammarBankCatalog shared = catalog();
        QVERIFY(shared.topics(QStringLiteral("yy")).isEmpty());
        write(QStringLiteral("yy"), QJsonDocument(course({ topic(QStringLiteral("yy.a1.t")) })).toJson());
        // Once looked up, a language stays as it was for the rest of the run.
        QVERIFY(shared.topics(QStringLiteral("yy")).isEmpty());
        QCOMPARE(log.messages(QStringLiteral("quillmoor.grammar")),
            QStringList { QStringLiteral("yy_grammar_bank.json not found in bundle") });
        QCOMPARE(catalog().topics(QStringLiteral("yy")).size(), 1);
        QVERIFY(catalog().languagesWithCourse().contains(QStringLiteral("yy")));
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("matches");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("only spaces") << "   \n" << true;
        QTest::newRow("substring, any case") << "ARTIC" << true;
        QTest::newRow("surrounding spaces") << "  articles \t" << true;
        QTest::newRow("seven letters, one missing") << "artcles" << true;
        QTest::newRow("three off in a long word") << "arxxxles" << false;
        QTest::newRow("two letters literally") << "an" << true;
        QTest::newRow("two letters, no fuzzy match") << "ax" << false;
        QTest::newRow("three letters, one off") << "thx" << true;
        QTest::newRow("four letters, two off") << "txex" << false;
        QTest::newRow("hyphenated word split") << "knwn" << true;
        QTest::newRow("Russian word, one off") << "артекли" << true;
        QTest::newRow("composed query, decomposed keyword") << "fé" << true;
        QTest::newRow("localized title") << "indefinite" << true;
        QTest::newRow("unrelated") << "subjunctive" << false;
        // Four user-perceived characters (tolerance 1) written with six code points (the enclosing
        // circle has no precomposed forms): two changed characters are one too many.
        QTest::newRow("one combined character off") << "a\u20DDbcd" << true;
        QTest::newRow("two combined characters off") << "a\u20DDb\u20DDcd" << false;
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(bool, matches);
        QCOMPARE(GrammarBankCatalog::topicMatchesSearch(searchTopic(), query, InterfaceLanguage::En), matches);
    }
};

QTEST_GUILESS_MAIN(TestGrammarBankCatalog)
#include "TestGrammarBankCatalog.moc"
