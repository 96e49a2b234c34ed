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

// A course with one topic and one exercise, changed by `edit` before it is written.
QByteArray courseWith(const std::function<void(QJsonObject& topic, QJsonObject& exercise)>& edit)
{
    QJsonObject t = topic(QStringLiteral("xx.a1.t"));
    QJsonObject e = exercise(QStringLiteral("xx.a1.t.1"));
    edit(t, e);
    t.insert("exercises", QJsonArray { e });
    return QJsonDocument(course({ t })).toJson();
}

GrammarBankTopic searchTopic()
{
    GrammarBankTopic t;
    t.title = QStringLiteral("Артикли a/an и the");
    t.subtitle = QStringLiteral("Определённый и неопределённый");
    t.searchKeywords = { QStringLiteral("articles"), QStringLiteral("well-known"), QStringLiteral("cafe\u0301") };
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
    void optionalKeysTakeTheirDefaults()
    {
        write(QStringLiteral("xx"), courseWith([](QJsonObject& t, QJsonObject& e) {
            t.remove("level");
            t.remove("theory");
            t.remove("searchKeywords");
            e.remove("choices");
            t.insert("unknownKey", QJsonArray { 1, 2 });
        }));
        const QList<GrammarBankTopic> topics = catalog().load(QStringLiteral("xx"));
        QCOMPARE(topics.size(), 1);
        QCOMPARE(topics[0].level, GrammarLevel::A1);
        QVERIFY(topics[0].theory.isEmpty());
        QVERIFY(topics[0].searchKeywords.isEmpty());
        QVERIFY(topics[0].exercises[0].choices.isEmpty());
        QVERIFY(topics[0].localized.isEmpty());
    }

    void decodesEveryField()
    {
        write(QStringLiteral("xx"), courseWith([](QJsonObject& t, QJsonObject& e) {
            e.insert("localized", QJsonObject { { "en", QJsonObject { { "explanation", "First person." } } } });
            t.insert("localized", QJsonObject { { "en", QJsonObject { { "title", "Articles" } } } });
        }));
        const QList<GrammarBankTopic> topics = catalog().load(QStringLiteral("xx"));
        QCOMPARE(topics.size(), 1);
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
        QCOMPARE(t.exercises[0].localized.text(InterfaceLanguage::Fr, "explanation", "x"), QStringLiteral("First person."));
    }

    void invalidFilesAreRejectedWhole_data()
    {
        using Edit = std::function<void(QJsonObject&, QJsonObject&)>;
        QTest::addColumn<Edit>("edit");
        QTest::newRow("C1 level") << Edit([](QJsonObject& t, QJsonObject&) { t.insert("level", "c1"); });
        QTest::newRow("upper-case level") << Edit([](QJsonObject& t, QJsonObject&) { t.insert("level", "A1"); });
        QTest::newRow("unknown type") << Edit([](QJsonObject&, QJsonObject& e) { e.insert("type", "fillIn"); });
        QTest::newRow("number for a string") << Edit([](QJsonObject& t, QJsonObject&) { t.insert("title", 5); });
        QTest::newRow("number in keywords")
            << Edit([](QJsonObject& t, QJsonObject&) { t.insert("searchKeywords", QJsonArray { "a", 2 }); });
        QTest::newRow("theory of another type") << Edit([](QJsonObject& t, QJsonObject&) { t.insert("theory", true); });
        QTest::newRow("no subtitle") << Edit([](QJsonObject& t, QJsonObject&) { t.remove("subtitle"); });
        QTest::newRow("null exercises") << Edit([](QJsonObject& t, QJsonObject&) { t.insert("exercises", QJsonValue()); });
        QTest::newRow("no answer") << Edit([](QJsonObject&, QJsonObject& e) { e.remove("correctAnswer"); });
    }
    void invalidFilesAreRejectedWhole()
    {
        QFETCH(std::function<void(QJsonObject&, QJsonObject&)>, edit);
        // A good topic before the bad one is not kept: there is no partial loading.
        QJsonObject bad = topic(QStringLiteral("xx.a1.bad"));
        QJsonObject badExercise = exercise(QStringLiteral("xx.a1.bad.1"));
        edit(bad, badExercise);
        if (bad.value("exercises").isArray())
            bad.insert("exercises", QJsonArray { badExercise });
        write(QStringLiteral("xx"), QJsonDocument(course({ topic(QStringLiteral("xx.a1.good")), bad })).toJson());

        CapturedLog log;
        GrammarBankCatalog shared = catalog();
        QVERIFY(shared.topics(QStringLiteral("xx")).isEmpty());
        QVERIFY(shared.topics(QStringLiteral("xx")).isEmpty());
        const QStringList lines = log.messages(QStringLiteral("quillmoor.grammar"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith(QStringLiteral("Failed to parse xx_grammar_bank.json: topics[1]")),
                 qPrintable(lines[0]));
    }

    void fileLevelProblems_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1,");
        QTest::newRow("an array") << QByteArray("[]");
        QTest::newRow("fractional version") << QByteArray(R"({"version": 1.5, "languageCode": "xx", "topics": []})");
        QTest::newRow("no topics") << QByteArray(R"({"version": 1, "languageCode": "xx"})");
    }
    void fileLevelProblems()
    {
        QFETCH(QByteArray, json);
        write(QStringLiteral("xx"), json);
        CapturedLog log;
        QVERIFY(catalog().load(QStringLiteral("xx")).isEmpty());
        QCOMPARE(log.messages(QStringLiteral("quillmoor.grammar")).size(), 1);
    }

    void missingCourseIsLoggedOnceAndCachedEmpty()
    {
        CapturedLog log;
        GrammarBankCatalog shared = catalog();
        QVERIFY(shared.topics(QStringLiteral("yy")).isEmpty());
        write(QStringLiteral("yy"), courseWith([](QJsonObject&, QJsonObject&) {}));
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
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(bool, matches);
        QCOMPARE(GrammarBankCatalog::topicMatchesSearch(searchTopic(), query, InterfaceLanguage::En), matches);
    }

    void searchCountsUserPerceivedCharacters()
    {
        GrammarBankTopic t;
        t.title = QStringLiteral("abcd");
        // Four user-perceived characters (tolerance 1) written with six code points (the enclosing
        // circle has no precomposed forms): two changed characters are one too many, although
        // six code points would allow two.
        QVERIFY(!GrammarBankCatalog::topicMatchesSearch(t, QStringLiteral("a\u20DDb\u20DDcd")));
        QVERIFY(GrammarBankCatalog::topicMatchesSearch(t, QStringLiteral("a\u20DDbcd")));
    }
};

QTEST_GUILESS_MAIN(TestGrammarBankCatalog)
#include "TestGrammarBankCatalog.moc"
