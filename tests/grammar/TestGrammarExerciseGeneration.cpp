#include "grammar/GrammarExerciseGenerationService.h"
#include "language/LanguageModelClient.h"
#include "platform/CancellationToken.h"
#include "preferences/DefaultsStore.h"
#include "store/VocabCardStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempCardStore.h"
#include "support/Waits.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject exercise(const QString& prompt)
{
    return { { "type", "cloze" }, { "prompt", prompt }, { "choices", QJsonArray {} }, { "correctAnswer", "goes" },
        { "explanation", "Third person singular takes -s." } };
}

// "ok:<sentence>", "blank", "refuse", "guard", "fail" (HTTP 500) or "hang" (no answer at all).
LocalHttpServer::Response answer(const QString& kind)
{
    if (kind.startsWith("ok:"_L1))
        return reply(200, completion(exercise(kind.mid(3))));
    if (kind == "blank"_L1)
        return reply(200, completion(exercise(u" \t "_s)));
    if (kind == "refuse"_L1)
        return reply(200, completion(QString(), u"stop"_s, u"I can't help with that."_s));
    if (kind == "guard"_L1)
        return reply(200, completion(QString(), u"content_filter"_s));
    if (kind == "fail"_L1)
        return reply(500, json(QJsonObject { { "error", QJsonObject { { "message", "model crashed" } } } }));
    LocalHttpServer::Response hang;
    hang.hang = true;
    return hang;
}

QStringList prompts(const QList<GeneratedGrammarExercise>& exercises)
{
    QStringList list;
    for (const GeneratedGrammarExercise& generated : exercises)
        list << generated.prompt;
    return list;
}

} // namespace

// Exercises from the learner's studied words against a local server speaking the OpenAI wire format,
// over a real card store.
class TestGrammarExerciseGeneration : public QObject, TempCardStore<VocabCardStore>
{
    Q_OBJECT

    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<GrammarExerciseGenerationService> m_service;

    void addWords(int count, int reps, const QString& prefix = u"word"_s)
    {
        for (int i = 0; i < count; ++i) {
            VocabCardContent content;
            content.word = prefix + QString::number(i);
            content.translatedWord = u"слово"_s;
            content.sentence = content.word;
            const std::optional<VocabCard> card = store().addCard(content);
            QVERIFY(card);
            exec(u"UPDATE vocab_card SET reps = ? WHERE id = ?"_s, { reps, card->id });
        }
    }

    QList<GeneratedGrammarExercise> generate(int count, std::shared_ptr<CancellationToken> cancel = nullptr)
    {
        const auto result = Waits::waitFor(m_service->generate(u"de"_s, u"ru"_s, count, std::move(cancel)));
        if (!result)
            qWarning("the generation did not finish");
        return result.value_or(QList<GeneratedGrammarExercise>());
    }

    // The offered words of a chat request.
    static QStringList offered(const QJsonObject& body)
    {
        const QString prompt = body.value("messages").toArray()[1].toObject().value("content").toString();
        return prompt.section('\n', 0, 0).section(": "_L1, 1).split(", "_L1);
    }
    static QString avoidLine(const QJsonObject& body)
    {
        const QString prompt = body.value("messages").toArray()[1].toObject().value("content").toString();
        return prompt.section('\n', 1);
    }

private Q_SLOTS:
    void init()
    {
        openStore("Europe/Berlin");
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeModelServer>();
        m_fake->answer(exercise(u"Er ___ nach Hause."_s));
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(u"/v1"_s).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        GrammarExerciseGenerationService::Options options;
        options.timeout = std::chrono::milliseconds(400);
        m_service = std::make_unique<GrammarExerciseGenerationService>(*m_model, store(), options);
    }
    void cleanup()
    {
        m_service.reset();
        m_model.reset();
        m_fake.reset();
        m_settings.reset();
        closeStore();
    }

    void onlyStudiedWordsAreOffered()
    {
        addWords(3, 1, u"seen"_s);
        addWords(4, 0, u"new"_s);
        QCOMPARE(generate(2).size(), 2);
        for (const QJsonObject& body : m_fake->chatBodies()) {
            QStringList words = offered(body);
            words.sort();
            QCOMPARE(words, (QStringList { "seen0", "seen1", "seen2" }));
        }
    }

    void newCardsOnlyAskNothing()
    {
        addWords(5, 0);
        QVERIFY(generate(6).isEmpty());
        QCOMPARE(m_fake->server.requests().size(), 0);
    }

    void fifteenOfTwentyInRandomOrder()
    {
        addWords(20, 2);
        QSet<QString> orders;
        for (int request = 0; request < 4; ++request) {
            m_fake->answer(exercise(u"Satz %1 ___."_s.arg(request)));
            QCOMPARE(generate(1).size(), 1);
            const QStringList words = offered(m_fake->lastChatBody());
            QCOMPARE(words.size(), 15);
            QCOMPARE(QSet<QString>(words.cbegin(), words.cend()).size(), 15);
            orders.insert(words.join(','));
        }
        // Four samples of 15 out of 20 words in the same order would be a broken shuffle.
        QVERIFY(orders.size() > 1);
    }

    void threeWordsAreAnsweredFromTheCache()
    {
        addWords(3, 1);
        const QList<GeneratedGrammarExercise> first = generate(2);
        QCOMPARE(first.size(), 2);
        m_fake->server.clearRequests();
        QCOMPARE(generate(2), first);
        QCOMPARE(m_fake->server.requests().size(), 0);
        // Another count or language is another request.
        QCOMPARE(generate(1).size(), 1);
        QCOMPARE(m_fake->chatRequests(), 1);
    }

    void sequence_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("avoidLines");
        QTest::addColumn<QString>("logged");
        const QString avoid = u"Avoid repeating these sentences: "_s;
        // clang-format off
        QTest::newRow("each accepted sentence is avoided after it") << QStringList { "ok:A ___.", "ok:B ___.", "ok:C ___." } << QStringList { "A ___.", "B ___.", "C ___." } << QStringList { "", avoid + "A ___.", avoid + "A ___. | B ___." } << QString();
        QTest::newRow("a blank prompt is dropped and not avoided") << QStringList { "blank", "ok:A ___.", "ok:B ___." } << QStringList { "A ___.", "B ___." } << QStringList { "", "", avoid + "A ___." } << QString();
        QTest::newRow("a refusal continues without an avoid line") << QStringList { "refuse", "ok:A ___.", "ok:B ___." } << QStringList { "A ___.", "B ___." } << QStringList { "", "", avoid + "A ___." } << "Model refused exercise generation, skipping";
        QTest::newRow("a guardrail continues") << QStringList { "ok:A ___.", "guard", "ok:B ___." } << QStringList { "A ___.", "B ___." } << QStringList { "", avoid + "A ___.", avoid + "A ___." } << "Exercise generation blocked by safety guardrail, skipping";
        QTest::newRow("a generation error continues") << QStringList { "fail", "ok:A ___.", "fail" } << QStringList { "A ___." } << QStringList { "", "", avoid + "A ___." } << "Exercise generation failed: HTTP 500: model crashed";
        QTest::newRow("a transport error stops") << QStringList { "ok:A ___.", "hang", "ok:B ___." } << QStringList { "A ___." } << QStringList { "", avoid + "A ___." } << "Exercise generation canceled or failed: ";
        // clang-format on
    }
    void sequence()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, results);
        QFETCH(QStringList, avoidLines);
        QFETCH(QString, logged);
        addWords(2, 1);
        for (const QString& kind : answers)
            m_fake->chatQueue << answer(kind);
        CapturedLog log;
        QCOMPARE(prompts(generate(int(answers.size()))), results);
        const QList<QJsonObject> bodies = m_fake->chatBodies();
        QCOMPARE(bodies.size(), avoidLines.size());
        for (int i = 0; i < bodies.size(); ++i)
            QCOMPARE(avoidLine(bodies[i]), avoidLines[i]);
        if (!logged.isEmpty())
            QVERIFY2(!log.messages(u"quillmoor.grammar"_s).filter(logged).isEmpty(), qPrintable(logged));
    }

    void cancellationKeepsAndCachesWhatWasGathered()
    {
        addWords(3, 1);
        m_fake->chatQueue << answer(u"ok:A ___."_s) << answer(u"hang"_s);
        auto cancel = std::make_shared<CancellationToken>();
        CancellationToken* token = cancel.get();
        connect(&m_fake->server, &LocalHttpServer::requestReceived, token, [this, token] {
            if (m_fake->chatRequests() == 2)
                token->cancel();
        });
        QCOMPARE(prompts(generate(4, cancel)), QStringList { "A ___." });
        QCOMPARE(m_fake->chatRequests(), 2);
        QCOMPARE(prompts(generate(4)), QStringList { "A ___." });
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    // A learner of German gets German sentences to work on.
    void requestNamesTheStudyLanguage()
    {
        addWords(1, 1);
        QCOMPARE(generate(1).size(), 1);
        const QJsonValue prompt = QJsonValue(
            m_fake->lastChatBody())[u"response_format"_s][u"json_schema"_s][u"schema"_s][u"properties"_s][u"prompt"_s];
        QVERIFY(prompt[u"description"_s].toString().startsWith("A short natural German sentence"));
    }

    void anUnavailableModelGivesNothing()
    {
        addWords(3, 1);
        m_fake->modelsStatus = 503;
        QVERIFY(generate(1).isEmpty());
        QCOMPARE(m_fake->chatRequests(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGrammarExerciseGeneration)
#include "TestGrammarExerciseGeneration.moc"
