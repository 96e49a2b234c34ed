#include "language/LanguageModelClient.h"
#include "preferences/DefaultsStore.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

Q_DECLARE_METATYPE(LanguageModelClient::ErrorKind)

namespace {

ModelSchema translationSchema()
{
    return {
        QStringLiteral("ContextualTranslation"),
        { { QStringLiteral("translation"), QStringLiteral("The translation of the word in this sentence"),
              ModelSchema::FieldType::Text },
            { QStringLiteral("isIdiom"), QStringLiteral("Whether the word is part of an idiom"),
                ModelSchema::FieldType::Boolean },
            { QStringLiteral("alternatives"), QStringLiteral("Other translations"), ModelSchema::FieldType::TextList } }
    };
}

} // namespace

class TestLanguageModelClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;

    void pointAt(const QUrl& base, const QString& model = QString())
    {
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, base.toString());
        if (!model.isEmpty())
            m_settings->setValue(LanguageModelClient::kModelKey, model);
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
    }
    void cleanup()
    {
        m_settings.reset();
        m_home.reset();
    }

    void structuredAnswer()
    {
        FakeModelServer fake;
        pointAt(fake.server.url(QStringLiteral("/v1/")));
        LanguageModelClient client(*m_settings);
        const auto result = Waits::waitFor(
            client.respond(QStringLiteral("You translate words."), QStringLiteral("Word: house"), translationSchema()));
        QVERIFY(result && std::holds_alternative<QJsonObject>(*result));
        QCOMPARE(std::get<QJsonObject>(*result).value(QStringLiteral("translation")).toString(), QStringLiteral("дом"));

        const QJsonObject body = fake.lastChatBody();
        QCOMPARE(body.value("model").toString(), QStringLiteral("qwen2.5-3b-instruct")); // first listed
        QCOMPARE(body.value("temperature").toDouble(), 0.0);
        QCOMPARE(body.value("top_k").toInt(), 1);
        QVERIFY(body.value("seed").isDouble());
        QCOMPARE(body.value("stream").toBool(true), false);
        const QJsonArray messages = body.value("messages").toArray();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].toObject().value("role").toString(), QStringLiteral("system"));
        QCOMPARE(messages[0].toObject().value("content").toString(), QStringLiteral("You translate words."));
        QCOMPARE(messages[1].toObject().value("content").toString(), QStringLiteral("Word: house"));
        const QJsonObject format = body.value("response_format").toObject();
        QCOMPARE(format.value("type").toString(), QStringLiteral("json_schema"));
        const QJsonObject schema = format.value("json_schema").toObject().value("schema").toObject();
        QCOMPARE(
            format.value("json_schema").toObject().value("name").toString(), QStringLiteral("ContextualTranslation"));
        const QJsonObject properties = schema.value("properties").toObject();
        QCOMPARE(properties.value("translation").toObject().value("description").toString(),
            QStringLiteral("The translation of the word in this sentence"));
        QCOMPARE(properties.value("isIdiom").toObject().value("type").toString(), QStringLiteral("boolean"));
        QCOMPARE(properties.value("alternatives").toObject().value("type").toString(), QStringLiteral("array"));
        QCOMPARE(schema.value("required").toArray().size(), 3);
    }

    void answerLengthBound()
    {
        FakeModelServer fake;
        pointAt(fake.server.url(QStringLiteral("/v1")));
        LanguageModelClient client(*m_settings);
        QVERIFY(Waits::waitFor(client.respond("i", "p", translationSchema())));
        QVERIFY(!fake.lastChatBody().contains(QStringLiteral("max_tokens")));
        QVERIFY(Waits::waitFor(client.respond("i", "p", translationSchema(), nullptr, 64)));
        QCOMPARE(fake.lastChatBody().value(QStringLiteral("max_tokens")).toInt(), 64);
    }

    void failuresAreClassified_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<LanguageModelClient::ErrorKind>("kind");
        using K = LanguageModelClient::ErrorKind;
        // clang-format off
        QTest::newRow("content_filter finish") << 200 << completion(QString(), "content_filter") << K::GuardrailViolation;
        QTest::newRow("http error naming a content filter") << 400 << QByteArray("{\"error\":{\"message\":\"The response was filtered by the content filter\"}}") << K::GuardrailViolation;
        QTest::newRow("refusal") << 200 << completion(QString(), "stop", "I can't help with that.") << K::Refusal;
        QTest::newRow("server error") << 500 << QByteArray("{\"error\":{\"message\":\"out of memory\"}}") << K::OtherGeneration;
        QTest::newRow("cut off") << 200 << completion(QStringLiteral("{\"translation\":\"до"), "length") << K::OtherGeneration;
        QTest::newRow("not json") << 200 << completion(QStringLiteral("дом")) << K::OtherGeneration;
        QTest::newRow("missing field") << 200 << completion(QStringLiteral("{\"translation\":\"дом\",\"isIdiom\":false}")) << K::OtherGeneration;
        QTest::newRow("wrong type") << 200 << completion(QStringLiteral("{\"translation\":\"дом\",\"isIdiom\":\"no\",\"alternatives\":[]}")) << K::OtherGeneration;
        QTest::newRow("list of numbers") << 200 << completion(QStringLiteral("{\"translation\":\"дом\",\"isIdiom\":true,\"alternatives\":[1]}")) << K::OtherGeneration;
        QTest::newRow("html page") << 200 << QByteArray("<html></html>") << K::OtherGeneration;
        // clang-format on
    }

    void failuresAreClassified()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(LanguageModelClient::ErrorKind, kind);
        FakeModelServer fake;
        fake.chat.status = status;
        fake.chat.body = body;
        pointAt(fake.server.url(QStringLiteral("/v1")));
        LanguageModelClient client(*m_settings);
        const auto result = Waits::waitFor(client.respond("i", "p", translationSchema()));
        QVERIFY(result && std::holds_alternative<LanguageModelClient::Error>(*result));
        QCOMPARE(std::get<LanguageModelClient::Error>(*result).kind, kind);
        QVERIFY(!std::get<LanguageModelClient::Error>(*result).description.isEmpty());
    }

    void availability_data()
    {
        QTest::addColumn<QStringList>("served");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("model");
        QTest::newRow("first listed") << QStringList { "a", "b" } << "" << 200 << true << "a";
        QTest::newRow("chosen model") << QStringList { "a", "b" } << "b" << 200 << true << "b";
        QTest::newRow("chosen model missing") << QStringList { "a" } << "c" << 200 << false << "";
        QTest::newRow("no models") << QStringList {} << "" << 200 << false << "";
        QTest::newRow("server error") << QStringList { "a" } << "" << 503 << false << "";
    }

    void availability()
    {
        QFETCH(QStringList, served);
        QFETCH(QString, wanted);
        QFETCH(int, status);
        QFETCH(bool, available);
        QFETCH(QString, model);
        FakeModelServer fake;
        fake.models = served;
        fake.modelsStatus = status;
        pointAt(fake.server.url(QStringLiteral("/v1")), wanted);
        LanguageModelClient client(*m_settings);
        const auto result = Waits::waitFor(client.availability());
        QVERIFY(result);
        QCOMPARE(result->isAvailable, available);
        QCOMPARE(result->model, model);
        QCOMPARE(result->reason.isEmpty(), available);
        if (!available) {
            // No chat request is made when the model is unavailable.
            const auto answer = Waits::waitFor(client.respond("i", "p", translationSchema()));
            QVERIFY(answer && std::holds_alternative<LanguageModelClient::Error>(*answer));
            QCOMPARE(std::get<LanguageModelClient::Error>(*answer).kind, LanguageModelClient::ErrorKind::Other);
            for (const auto& request : fake.server.requests())
                QCOMPARE(request.method, QByteArray("GET"));
        }
    }

    void availabilityIsCachedBriefly()
    {
        FakeModelServer fake;
        pointAt(fake.server.url(QStringLiteral("/v1")));
        LanguageModelClient client(*m_settings);
        QVERIFY(Waits::waitFor(client.availability())->isAvailable);
        // Answers from the cache keep the whole answer, each time.
        for (int i = 0; i < 2; ++i) {
            const auto cached = Waits::waitFor(client.availability());
            QVERIFY(cached->isAvailable);
            QCOMPARE(cached->model, QStringLiteral("qwen2.5-3b-instruct"));
        }
        QCOMPARE(fake.server.requests().size(), 1);
    }

    void serverDown()
    {
        pointAt(QUrl(QStringLiteral("http://127.0.0.1:1/v1"))); // nothing listens there
        LanguageModelClient client(*m_settings);
        const auto result = Waits::waitFor(client.availability());
        QVERIFY(result && !result->isAvailable);
        QVERIFY(result->reason.contains(QStringLiteral("unreachable")));
    }

    void answerPastTheConfiguredTimeLimit()
    {
        FakeModelServer fake;
        fake.chat.hang = true;
        pointAt(fake.server.url(QStringLiteral("/v1")));
        m_settings->setValue(LanguageModelClient::kTimeoutKey, 1);
        LanguageModelClient client(*m_settings);
        const auto result = Waits::waitFor(client.respond("i", "p", translationSchema()));
        QVERIFY(result && std::holds_alternative<LanguageModelClient::Error>(*result));
        QCOMPARE(std::get<LanguageModelClient::Error>(*result).kind, LanguageModelClient::ErrorKind::Other);
        QCOMPARE(std::get<LanguageModelClient::Error>(*result).description, QStringLiteral("timed out"));
        // The server may have gone: the next request asks again which models it serves.
        fake.chat.hang = false;
        QVERIFY(Waits::waitFor(client.respond("i", "p", translationSchema())));
        QCOMPARE(fake.server.requests().size() - fake.chatRequests(), 2);
    }
};

QTEST_GUILESS_MAIN(TestLanguageModelClient)
#include "TestLanguageModelClient.moc"
