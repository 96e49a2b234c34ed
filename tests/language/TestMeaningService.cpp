#include "language/LanguageModelClient.h"
#include "language/MeaningService.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QJsonArray>
#include <QTest>

namespace {

QByteArray meaning(const QString& text)
{
    return completion(
        QJsonDocument(QJsonObject { { "expression", "give up" }, { "meaning", text } }).toJson(QJsonDocument::Compact));
}

const QString kSentence = QStringLiteral("He gave up smoking.");

} // namespace

class TestMeaningService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<MeaningService> m_service;

    std::optional<QString> generate(const QString& word, const QString& sentence, const QString& code = "en")
    {
        const auto result = Waits::waitFor(m_service->generate(word, sentence, code));
        return result ? *result : std::optional<QString>(QStringLiteral("<timed out>"));
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeModelServer>();
        m_fake->chat.body = meaning(QStringLiteral("to stop doing something"));
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_service = std::make_unique<MeaningService>(*m_model);
    }
    void cleanup()
    {
        m_service.reset();
        m_model.reset();
        m_fake.reset();
        m_settings.reset();
        m_home.reset();
    }

    // The word and its sentence are asked about, in the word's own language; an empty sentence
    // leaves only the word.
    void request()
    {
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::optional<QString>("to stop doing something"));
        const QJsonObject body = m_fake->lastChatBody();
        const QJsonArray messages = body.value("messages").toArray();
        QVERIFY(messages[0].toObject().value("content").toString().contains(QStringLiteral("in English")));
        const QString prompt = messages[1].toObject().value("content").toString();
        QVERIFY2(prompt.contains(kSentence) && prompt.contains(QStringLiteral("gave")), qPrintable(prompt));
        QCOMPARE(body.value("response_format").toObject().value("json_schema").toObject().value("name").toString(),
            QStringLiteral("WordMeaning"));
        QVERIFY(body.value("max_tokens").toInt() > 0);

        QVERIFY(generate(QStringLiteral("casa"), QString(), QStringLiteral("es")));
        const QJsonArray spanish = m_fake->lastChatBody().value("messages").toArray();
        QVERIFY(spanish[0].toObject().value("content").toString().contains(QStringLiteral("in Spanish")));
        QVERIFY(!spanish[1].toObject().value("content").toString().contains(QStringLiteral("Sentence")));
    }

    void secondCallComesFromTheCache()
    {
        QVERIFY(generate(QStringLiteral("gave"), kSentence));
        m_fake->chat.body = meaning(QStringLiteral("other"));
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::optional<QString>("to stop doing something"));
        QCOMPARE(m_fake->chatRequests(), 1);
        // Another language is another entry.
        QCOMPARE(generate(QStringLiteral("gave"), kSentence, QStringLiteral("de")), std::optional<QString>("other"));
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("hang");
        QTest::addColumn<QString>("logLine");
        // clang-format off
        QTest::newRow("only spaces") << meaning(QStringLiteral(" \n \t")) << 200 << false << "";
        QTest::newRow("refusal") << completion(QString(), QStringLiteral("stop"), QStringLiteral("No.")) << 200 << false << "Model refused to answer";
        QTest::newRow("content filter") << completion(QString(), QStringLiteral("content_filter")) << 200 << false << "Blocked by safety guardrail";
        QTest::newRow("http 500") << QByteArray("{\"error\":{\"message\":\"boom\"}}") << 500 << false << "Generation failed: HTTP 500: boom";
        QTest::newRow("malformed json") << completion(QStringLiteral("{\"meaning\":")) << 200 << false << "Generation failed: the answer is not a JSON object";
        QTest::newRow("schema violation") << completion(QStringLiteral("{\"meaning\":\"x\"}")) << 200 << false << "Generation failed: the answer does not match the WordMeaning schema";
        QTest::newRow("truncated") << completion(QStringLiteral("{\"expression\":\"x\",\"mea"), QStringLiteral("length")) << 200 << false << "Generation failed: the answer was cut off";
        QTest::newRow("time-out") << QByteArray() << 200 << true << "Generation canceled or failed: timed out";
        // clang-format on
    }

    void failures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(bool, hang);
        QFETCH(QString, logLine);
        m_fake->chat.body = answer;
        m_fake->chat.status = status;
        m_fake->chat.hang = hang;
        m_settings->setValue(LanguageModelClient::kTimeoutKey, 1);
        CapturedLog log;
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::nullopt);
        if (!logLine.isEmpty())
            QVERIFY2(log.contains(QStringLiteral("quillmoor.meaning: ") + logLine), qPrintable(log.lines().join('\n')));
        // Nothing was cached: the word is tried again next time.
        m_fake->chat = {};
        m_fake->chat.body = meaning(QStringLiteral("to stop doing something"));
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::optional<QString>("to stop doing something"));
    }

    void modelUnavailable()
    {
        m_fake->models.clear();
        CapturedLog log;
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::nullopt);
        QCOMPARE(m_fake->chatRequests(), 0);
        QVERIFY2(log.contains(QStringLiteral(
                     "quillmoor.meaning: On-device model unavailable: the model server lists no models")),
            qPrintable(log.lines().join('\n')));
    }

    void connectionRefused()
    {
        m_fake.reset();
        QCOMPARE(generate(QStringLiteral("gave"), kSentence), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestMeaningService)
#include "TestMeaningService.moc"
