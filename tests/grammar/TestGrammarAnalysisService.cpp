#include "grammar/GrammarAnalysisService.h"
#include "language/LanguageModelClient.h"
#include "platform/CancellationToken.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kSentence = QStringLiteral("She don't like coffee.");

QJsonObject record(const QString& corrected, const QStringList& parts = { "She", "don't", "like" },
    const QStringList& formula = { "Subject", "does/doesn't", "base verb" })
{
    return { { "correctedSentence", corrected }, { "structureName", "Present Simple negation" },
        { "sentenceParts", QJsonArray::fromStringList(parts) }, { "formulaParts", QJsonArray::fromStringList(formula) },
        { "explanation", "A third-person subject takes does/doesn't." },
        { "wordNotes", QJsonArray { "\"don't\" is the plural/first-person form" } } };
}

} // namespace

// The grammar review against a local server speaking the OpenAI wire format.
class TestGrammarAnalysisService : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<GrammarAnalysisService> m_service;

    std::optional<GrammarAnalysisResult> generate(
        const QString& sentence = kSentence, std::shared_ptr<CancellationToken> cancel = nullptr)
    {
        const auto result = Waits::waitFor(m_service->generate(sentence, std::move(cancel)));
        if (!result)
            qWarning("the analysis did not finish");
        return result.value_or(std::nullopt);
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeModelServer>();
        m_fake->answer(record("She doesn't like coffee."));
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_service = std::make_unique<GrammarAnalysisService>(*m_model);
    }
    void cleanup()
    {
        m_service.reset();
        m_model.reset();
        m_fake.reset();
        m_home.reset();
    }

    void requestAndResult()
    {
        const auto result = generate(u"  She don't like coffee.\n"_s);
        QVERIFY(result);
        QCOMPARE(result->originalSentence, kSentence);
        QCOMPARE(result->analysis.correctedSentence, u"She doesn't like coffee."_s);
        QCOMPARE(result->analysis.formulaParts.size(), 3);
        QVERIFY(result->hasErrors());

        const QJsonObject body = m_fake->lastChatBody();
        // Greedy, bounded in length so that a looping model stops.
        QCOMPARE(body.value("temperature").toDouble(), 0.0);
        QVERIFY(body.value("max_tokens").toInt() >= 512 && body.value("max_tokens").toInt() <= 2048);
        const QJsonObject format = body.value("response_format").toObject().value("json_schema").toObject();
        QCOMPARE(format.value("name").toString(), u"GeneratedGrammarAnalysis"_s);
        const QJsonObject properties = format.value("schema").toObject().value("properties").toObject();
        QCOMPARE(properties.keys(),
            (QStringList {
                "correctedSentence", "explanation", "formulaParts", "sentenceParts", "structureName", "wordNotes" }));
        QCOMPARE(properties.value("wordNotes").toObject().value("type").toString(), u"array"_s);
        const QJsonArray messages = body.value("messages").toArray();
        QVERIFY(messages[0].toObject().value("content").toString().contains("grammar coach"));
        // The prompt carries the trimmed sentence only.
        const QString prompt = messages[1].toObject().value("content").toString();
        QVERIFY2(prompt.endsWith(": " + kSentence) && !prompt.contains('\n'), qPrintable(prompt));
    }

    void cacheKey_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("requests");
        // clang-format off
        QTest::newRow("outer white space and line breaks") << " x\n" << "x" << 1;
        QTest::newRow("first letter in lower case") << kSentence << "she don't like coffee." << 2;
        QTest::newRow("inner white space counts") << "a  b" << "a b" << 2;
        // clang-format on
    }
    void cacheKey()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, requests);
        QVERIFY(generate(first));
        const auto again = generate(second);
        QVERIFY(again);
        QCOMPARE(again->originalSentence, second.trimmed());
        QCOMPARE(m_fake->chatRequests(), requests);
    }

    void hasErrors_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<bool>("hasErrors");
        // clang-format off
        QTest::newRow("unchanged") << kSentence << kSentence << false;
        QTest::newRow("only letter case") << kSentence << "SHE DON'T LIKE COFFEE." << false;
        QTest::newRow("outer white space and line break") << kSentence << "\n " + kSentence + " \n" << false;
        QTest::newRow("a changed word") << kSentence << "She doesn't like coffee." << true;
        QTest::newRow("inner white space") << "I go home." << "I go  home." << true;
        // clang-format on
    }
    void hasErrors()
    {
        QFETCH(QString, original);
        QFETCH(QString, corrected);
        QFETCH(bool, hasErrors);
        m_fake->answer(record(corrected));
        const auto result = generate(original);
        QVERIFY(result);
        QCOMPARE(result->hasErrors(), hasErrors);
    }

    // What is kept after a first answer, and what a second request for the same sentence does.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<bool>("cached");
        QTest::newRow("refusal") << completion(QString(), "stop", u"I can't help with that."_s) << 200 << "" << true;
        QTest::newRow("content filter") << completion(QString(), "content_filter") << 200 << "" << true;
        // A greedy model repeating itself until max_tokens: a cut-off answer is a generation error.
        // clang-format off
        QTest::newRow("looping answer cut by max_tokens") << completion(u"{\"correctedSentence\":\"She she she she she she she she"_s, "length") << 200 << "Analysis failed: the answer was cut off" << false;
        // clang-format on
        // llama-server's answer to a prompt longer than the context.
        // clang-format off
        QTest::newRow("context length exceeded") << QByteArray(R"({"error":{"code":400,"message":"the request exceeds the available context size, try )" R"(increasing it","type":"exceed_context_size_error"}})") << 400 << "Analysis failed: HTTP 400: the request exceeds the available context size" << false;
        QTest::newRow("not JSON") << completion(u"The sentence is wrong."_s) << 200 << "Analysis failed: the answer is not a JSON object" << false;
        QTest::newRow("a field missing") << completion(QJsonObject { { "correctedSentence", "x" }, { "structureName", "y" } }) << 200 << "Analysis failed: the answer does not match the GeneratedGrammarAnalysis schema" << false;
        QTest::newRow("a list of numbers") << completion(QJsonObject { { "correctedSentence", "x" }, { "structureName", "y" }, { "sentenceParts", QJsonArray { 1, 2 } }, { "formulaParts", QJsonArray {} }, { "explanation", "" }, { "wordNotes", QJsonArray {} } }) << 200 << "Analysis failed: the answer does not match" << false;
        // clang-format on
    }
    void failures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(QString, logLine);
        QFETCH(bool, cached);
        m_fake->chat = reply(status, answer);
        CapturedLog log;
        QCOMPARE(generate(), std::nullopt);
        const QStringList lines = log.messages(u"quillmoor.grammar"_s);
        if (logLine.isEmpty()) {
            QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
        } else {
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines.first().startsWith(logLine), qPrintable(lines.first()));
            QCOMPARE(log.entries().last().type, QtCriticalMsg);
        }
        // A generation error leaves the model available: the next request reaches it.
        m_fake->answer(record("She doesn't like coffee."));
        QCOMPARE(generate().has_value(), !cached);
        QCOMPARE(m_fake->chatRequests(), cached ? 1 : 2);
    }

    void timeOutIsAFailureNotKept()
    {
        m_service = std::make_unique<GrammarAnalysisService>(
            *m_model, GrammarAnalysisService::Options { 1024, std::chrono::milliseconds(300) });
        m_fake->chat.hang = true;
        CapturedLog log;
        QCOMPARE(generate(), std::nullopt);
        const QStringList lines = log.messages(u"quillmoor.grammar"_s);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith("Analysis failed: "), qPrintable(lines.first()));
        m_fake->answer(record(kSentence));
        QVERIFY(generate());
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    void cancellationIsNotKept()
    {
        m_fake->chat.delayMs = 2000;
        auto cancel = std::make_shared<CancellationToken>();
        QTimer::singleShot(100, cancel.get(), &CancellationToken::cancel);
        CapturedLog log;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(generate(kSentence, cancel), std::nullopt);
        QVERIFY(clock.elapsed() < 1500);
        QVERIFY(log.messages(u"quillmoor.grammar"_s).join('\n').contains("Analysis canceled or failed: "));
        QCOMPARE(log.entries().last().type, QtDebugMsg);
        m_fake->chat.delayMs = 0;
        QVERIFY(generate());
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    void whiteSpaceOnlyAsksNothingAndKeepsNothing()
    {
        QCOMPARE(generate(u" \n\t "_s), std::nullopt);
        QCOMPARE(generate(QString()), std::nullopt);
        QCOMPARE(m_fake->chatRequests(), 0);
        QCOMPARE(m_fake->server.requests().size(), 0);
    }

    void mismatchedListsAreKeptAsTheyCame()
    {
        const QStringList parts { "She", "don't", "like" };
        const QStringList formula { "Subject", "does/doesn't" };
        m_fake->answer(record("She doesn't like coffee.", parts, formula));
        QVERIFY(generate());
        const auto cached = generate(kSentence + " ");
        QVERIFY(cached);
        QCOMPARE(cached->analysis.sentenceParts, parts);
        QCOMPARE(cached->analysis.formulaParts, formula);
        QCOMPARE(m_fake->chatRequests(), 1);
    }

    void unavailableModelAsksNothing()
    {
        m_fake->models.clear();
        QCOMPARE(generate(), std::nullopt);
        QCOMPARE(m_fake->chatRequests(), 0);
        QCOMPARE(Waits::waitFor(m_service->isModelAvailable()), std::optional(false));
        QVERIFY(m_service->serverAddress().startsWith(m_fake->server.url().toString()));
    }
};

QTEST_GUILESS_MAIN(TestGrammarAnalysisService)
#include "TestGrammarAnalysisService.moc"
