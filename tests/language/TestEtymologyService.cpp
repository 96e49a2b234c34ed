#include "language/EtymologyService.h"
#include "language/LanguageModelClient.h"
#include "platform/CancellationToken.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QTest>

namespace {

QByteArray etymology(const QString& shortText, const QString& fullText)
{
    return completion(
        QJsonDocument(QJsonObject { { "short", shortText }, { "full", fullText } }).toJson(QJsonDocument::Compact));
}

const QString kSentence = QStringLiteral("We sat on the bank of the river.");
const QString kShort = QStringLiteral("Из древнескандинавского bakki «склон».");
const QString kFull = QStringLiteral("Из древнескандинавского bakki «склон, берег». Родственно слову bench.");

} // namespace

class TestEtymologyService : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<EtymologyService> m_service;

    std::optional<EtymologyResult> generate(const QString& unit = QStringLiteral("bank"),
        const QString& sentence = kSentence, const QString& target = QStringLiteral("ru"),
        std::shared_ptr<CancellationToken> cancel = nullptr)
    {
        const auto result = Waits::waitFor(m_service->generate(unit, sentence, "en", target, std::move(cancel)));
        return result ? *result : EtymologyResult { EtymologyResult::Wiktionary { "<timed out>" } };
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_fake = std::make_unique<FakeModelServer>();
        m_fake->chat.body = etymology(kShort, kFull);
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_service = std::make_unique<EtymologyService>(*m_model);
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
        QCOMPARE(generate(), (EtymologyResult { EtymologyResult::Generated { kShort, kFull } }));
        const QJsonObject body = m_fake->lastChatBody();
        QVERIFY(body.value("max_tokens").toInt() > 0);
        QCOMPARE(body.value("temperature").toDouble(), 0.0);
        QCOMPARE(body.value("response_format").toObject().value("json_schema").toObject().value("name").toString(),
            QStringLiteral("GeneratedEtymology"));
        const QJsonArray messages = body.value("messages").toArray();
        const QString instructions = messages[0].toObject().value("content").toString();
        const QString prompt = messages[1].toObject().value("content").toString();
        // Written in the learner's target language; the word, its sentence and language asked about.
        QVERIFY2(instructions.contains("in English") && instructions.contains("in Russian"), qPrintable(instructions));
        QVERIFY(prompt.contains("Word: bank") && prompt.contains(kSentence) && prompt.contains("Language: English"));
    }

    void cacheIgnoresTheSentence()
    {
        QVERIFY(generate());
        QVERIFY(generate(QStringLiteral("bank"), QStringLiteral("The bank was closed.")));
        QCOMPARE(m_fake->chatRequests(), 1);
        QVERIFY(generate(QStringLiteral("bank"), kSentence, QStringLiteral("es")));
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<bool>("cached");
        // clang-format off
        QTest::newRow("refusal") << completion(QString(), "stop", QStringLiteral("No.")) << 200 << "Model refused to answer" << true;
        QTest::newRow("content filter") << completion(QString(), "content_filter") << 200 << "Blocked by safety guardrail" << false;
        QTest::newRow("rambling cut off") << completion(QStringLiteral("{\"short\":\"x\",\"fu"), "length") << 200 << "Generation failed: the answer was cut off" << false;
        QTest::newRow("http 500") << QByteArray("{\"error\":{\"message\":\"boom\"}}") << 500 << "Generation failed: HTTP 500: boom" << false;
        QTest::newRow("empty texts") << etymology(" ", "") << 200 << "" << false;
        // clang-format on
    }
    void failures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(QString, logLine);
        QFETCH(bool, cached);
        m_fake->chat.body = answer;
        m_fake->chat.status = status;
        CapturedLog log;
        QCOMPARE(generate(), std::nullopt);
        if (!logLine.isEmpty())
            QVERIFY2(log.contains("quillmoor.etymology: " + logLine), qPrintable(log.lines().join('\n')));
        m_fake->chat = {};
        m_fake->chat.body = etymology(kShort, kFull);
        QCOMPARE(generate().has_value(), !cached);
        QCOMPARE(m_fake->chatRequests(), cached ? 1 : 2);
    }

    void unavailableOrCancelledAsksNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled") << true;
        QTest::newRow("no model served") << false;
    }

    void unavailableOrCancelledAsksNothing()
    {
        QFETCH(bool, cancelled);
        auto cancel = std::make_shared<CancellationToken>();
        cancelled ? cancel->cancel() : m_fake->models.clear();
        QCOMPARE(generate("bank", kSentence, "ru", cancel), std::nullopt);
        QCOMPARE(m_fake->chatRequests(), 0);
    }

    void eligibility_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("eligible");
        QTest::newRow("word") << "bank" << true;
        QTest::newRow("phrasal verb") << "give up" << true;
        QTest::newRow("name") << "New York City" << true;
        QTest::newRow("word with a full stop") << "house." << true;
        QTest::newRow("empty") << "  " << false;
        QTest::newRow("long selection") << "the house on the hill is old" << false;
        QTest::newRow("two sentences") << "Go. Now" << false;
        QTest::newRow("two lines") << "house\nhill" << false;
    }
    void eligibility()
    {
        QFETCH(QString, unit);
        QFETCH(bool, eligible);
        QCOMPARE(EtymologyService::isEligible(unit), eligible);
    }
};

QTEST_GUILESS_MAIN(TestEtymologyService)
#include "TestEtymologyService.moc"
