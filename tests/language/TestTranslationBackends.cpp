#include "language/ApertiumTranslator.h"
#include "language/FreeDictDictionary.h"
#include "language/FreeDictTranslator.h"
#include "language/LanguageModelClient.h"
#include "language/LibreTranslateClient.h"
#include "language/ModelTranslator.h"
#include "language/TranslationBackendSet.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTest>

namespace {

// A LibreTranslate-compatible server: /languages and /translate as LibreTranslate answers them.
struct FakeTranslationServer
{
    LocalHttpServer server;
    QByteArray languages = "[{\"code\":\"en\",\"name\":\"English\",\"targets\":[\"es\",\"ko\"]},{\"code\":\"ko\","
                           "\"name\":\"Japanese\",\"targets\":[\"en\"]}]";
    LocalHttpServer::Response translation;

    FakeTranslationServer()
    {
        server.start();
        translation.body = "{\"translatedText\":\"こんにちは世界\"}";
        server.route("GET", "/languages", [this](const auto&) { return reply(200, languages); });
        server.route("POST", "/translate", [this](const LocalHttpServer::Request&) { return translation; });
    }
    int count(const QByteArray& path) const
    {
        int n = 0;
        for (const auto& request : server.requests())
            n += request.path == path ? 1 : 0;
        return n;
    }
    QJsonObject lastTranslateBody() const
    {
        for (qsizetype i = server.requests().size() - 1; i >= 0; --i) {
            if (server.requests()[i].path == "/translate")
                return QJsonDocument::fromJson(server.requests()[i].body).object();
        }
        return {};
    }
};

QUrl refusedUrl(const QString& path)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path));
}

} // namespace

class TestTranslationBackends : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<LanguageModelClient> m_model;

    // Every back-end of the machine; the model server refuses connections unless a test points it elsewhere.
    std::unique_ptr<TranslationBackendSet> machineSet()
    {
        return TranslationBackendSet::createDefault(*m_settings, *m_model);
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, refusedUrl(QStringLiteral("/v1")).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
    }
    void cleanup()
    {
        m_model.reset();
        m_settings.reset();
        m_home.reset();
    }

    // FreeDict

    void freeDictWords_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("translation");
        // clang-format off
        QTest::newRow("en-es") << "en" << "es" << "house" << "casa";
        QTest::newRow("en-es capitalised") << "en" << "es" << "House" << "casa";
        QTest::newRow("en-es name") << "en" << "es" << "New York" << "Nueva York";
        QTest::newRow("es-en") << "es" << "en" << "casa" << "house";
        QTest::newRow("homographs: the bare word") << "en" << "es" << "bank" << "banco";
        QTest::newRow("homographs: the verb") << "en" << "es" << "agree" << "convenir";
        QTest::newRow("es-en first of several senses") << "es" << "en" << "abandonar" << "cede";
        QTest::newRow("phrasal verb filed under its verb") << "en" << "es" << "look for" << "buscar";
        QTest::newRow("phrasal verb in the past") << "en" << "es" << "gave up" << "abandonar";
        QTest::newRow("particle spelled as the dictionary does") << "en" << "es" << "put on" << "arrancar";
        // clang-format on
    }

    void freeDictWords()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, word);
        QFETCH(QString, translation);
        FreeDictTranslator dictionary;
        QVERIFY(*Waits::waitFor(dictionary.supports(source, target)));
        const auto result = Waits::waitFor(dictionary.translate(word, source, target));
        QVERIFY(result);
        QVERIFY2(result->ok(), qPrintable(result->error));
        QCOMPARE(*result->text, translation);
    }

    void freeDictLimits()
    {
        FreeDictTranslator dictionary;
        QVERIFY(!*Waits::waitFor(dictionary.supports(QStringLiteral("en"), QStringLiteral("ko"))));
        QVERIFY(!*Waits::waitFor(dictionary.supports(QStringLiteral("en"), QStringLiteral("en"))));
        QVERIFY(dictionary.accepts(QStringLiteral("looked up to")));
        QVERIFY(!dictionary.accepts(QStringLiteral("She looked up to her sister.")));
        QVERIFY(!dictionary.accepts(QStringLiteral(" ... ")));
        const auto missing = Waits::waitFor(
            dictionary.translate(QStringLiteral("xyzzyq"), QStringLiteral("en"), QStringLiteral("es")));
        QVERIFY(missing && !missing->ok());
        QCOMPARE(
            FreeDictTranslator(QStringLiteral("/nonexistent")).basePath(QStringLiteral("en"), QStringLiteral("es")),
            QStringLiteral("/nonexistent/freedict-eng-spa"));
        QVERIFY(!*Waits::waitFor(
            FreeDictTranslator(QStringLiteral("/nonexistent")).supports(QStringLiteral("en"), QStringLiteral("es"))));
    }

    void firstEquivalent_data()
    {
        QTest::addColumn<QString>("sense");
        QTest::addColumn<QString>("equivalent");
        // clang-format off
        QTest::newRow("list") << "cede, give in, give up" << "cede";
        QTest::newRow("semicolon") << "banco; escaño" << "banco";
        QTest::newRow("note first") << "(fam.) chaval, chico" << "chaval";
        QTest::newRow("note after") << "correr (rápido)" << "correr";
        QTest::newRow("only a note") << "(see above)" << "";
        QTest::newRow("phrase") << "Nueva York" << "Nueva York";
        // clang-format on
    }

    void firstEquivalent()
    {
        QFETCH(QString, sense);
        QFETCH(QString, equivalent);
        QCOMPARE(FreeDictTranslator::firstEquivalent(sense), equivalent);
    }

    // LibreTranslate-compatible server

    void serverOffWhileUnset()
    {
        FakeTranslationServer fake;
        LibreTranslateClient client(*m_settings);
        QVERIFY(!*Waits::waitFor(client.supports(QStringLiteral("en"), QStringLiteral("ko"))));
        QCOMPARE(fake.server.requests().size(), 0);
        const auto result
            = Waits::waitFor(client.translate(QStringLiteral("Hello"), QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result && !result->ok());
        QCOMPARE(fake.server.requests().size(), 0);
    }

    void serverPairs_data()
    {
        QTest::addColumn<QByteArray>("languages");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("supported");
        const QByteArray listed
            = "[{\"code\":\"en\",\"targets\":[\"es\",\"ko\"]},{\"code\":\"ko\",\"targets\":[\"en\"]}]";
        const QByteArray old = "[{\"code\":\"en\",\"name\":\"English\"},{\"code\":\"fr\",\"name\":\"French\"}]";
        // clang-format off
        QTest::newRow("listed target") << listed << "en" << "ko" << true;
        QTest::newRow("regional code") << listed << "en-GB" << "ko" << true;
        QTest::newRow("reverse listed") << listed << "ko" << "en" << true;
        QTest::newRow("target not listed") << listed << "ko" << "es" << false;
        QTest::newRow("source not listed") << listed << "de" << "en" << false;
        QTest::newRow("same language") << listed << "en" << "en" << false;
        QTest::newRow("server without targets") << old << "fr" << "en" << true;
        QTest::newRow("not json") << QByteArray("<html/>") << "en" << "ko" << false;
        // clang-format on
    }

    void serverPairs()
    {
        QFETCH(QByteArray, languages);
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(bool, supported);
        FakeTranslationServer fake;
        fake.languages = languages;
        m_settings->setValue(LibreTranslateClient::kUrlKey, fake.server.url(QStringLiteral("/")).toString());
        LibreTranslateClient client(*m_settings);
        QCOMPARE(*Waits::waitFor(client.supports(source, target)), supported);
    }

    void serverTranslates()
    {
        FakeTranslationServer fake;
        m_settings->setValue(LibreTranslateClient::kUrlKey, fake.server.url().toString());
        m_settings->setValue(LibreTranslateClient::kApiKeyKey, QStringLiteral("secret-key"));
        LibreTranslateClient client(*m_settings);
        const auto result = Waits::waitFor(
            client.translate(QStringLiteral("Hello world"), QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result);
        QVERIFY2(result->ok(), qPrintable(result->error));
        QCOMPARE(*result->text, QStringLiteral("こんにちは世界"));
        const QJsonObject body = fake.lastTranslateBody();
        QCOMPARE(body.value("q").toString(), QStringLiteral("Hello world"));
        QCOMPARE(body.value("source").toString(), QStringLiteral("en"));
        QCOMPARE(body.value("target").toString(), QStringLiteral("ko"));
        QCOMPARE(body.value("format").toString(), QStringLiteral("text"));
        QCOMPARE(body.value("api_key").toString(), QStringLiteral("secret-key"));
        QCOMPARE(fake.server.requests().last().headers.value("content-type"), QByteArray("application/json"));

        // Without a key, none is sent.
        m_settings->setValue(LibreTranslateClient::kApiKeyKey, QString());
        QVERIFY(Waits::waitFor(client.translate(QStringLiteral("Hello"), QStringLiteral("en"), QStringLiteral("ko")))
                    ->ok());
        QVERIFY(!fake.lastTranslateBody().contains(QStringLiteral("api_key")));
    }

    void serverFailures_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error");
        // clang-format off
        QTest::newRow("bad key") << 403 << QByteArray("{\"error\":\"Invalid API key\"}") << "translation server: HTTP 403: Invalid API key";
        QTest::newRow("server error") << 500 << QByteArray("oops") << "translation server: HTTP 500";
        QTest::newRow("no translatedText") << 200 << QByteArray("{\"other\":1}") << "no translatedText";
        // clang-format on
    }

    void serverFailures()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        FakeTranslationServer fake;
        fake.translation.status = status;
        fake.translation.body = body;
        m_settings->setValue(LibreTranslateClient::kUrlKey, fake.server.url().toString());
        LibreTranslateClient client(*m_settings);
        const auto result
            = Waits::waitFor(client.translate(QStringLiteral("Hello"), QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result);
        QVERIFY(!result->ok());
        QVERIFY2(result->error.contains(error), qPrintable(result->error));
    }

    void serverRefusingConnections()
    {
        m_settings->setValue(LibreTranslateClient::kUrlKey, refusedUrl(QString()).toString());
        LibreTranslateClient client(*m_settings);
        QVERIFY(!*Waits::waitFor(client.supports(QStringLiteral("en"), QStringLiteral("ko"))));
        const auto result
            = Waits::waitFor(client.translate(QStringLiteral("Hello"), QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result && !result->ok());
        QVERIFY2(result->error.startsWith(QStringLiteral("translation server: ")), qPrintable(result->error));
    }

    // The language model as translator

    void modelTranslates()
    {
        FakeModelServer fake;
        fake.chat.body = completion(QStringLiteral("{\"translation\":\"  こんにちは \"}"));
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, fake.server.url(QStringLiteral("/v1")).toString());
        ModelTranslator translator(*m_model);
        QVERIFY(*Waits::waitFor(translator.supports(QStringLiteral("en"), QStringLiteral("ko"))));
        const QString longText = QString(3000, QLatin1Char('a'));
        const auto result = Waits::waitFor(translator.translate(longText, QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result && result->ok());
        QCOMPARE(*result->text, QStringLiteral("こんにちは"));
        // A long text is cut, and the answer has room for the whole translation.
        const QJsonObject body = fake.lastChatBody();
        QVERIFY(body.value("messages").toArray()[1].toObject().value("content").toString().size() < longText.size());
        QVERIFY(body.value("max_tokens").toInt() > 2000);
    }

    void modelUnavailable()
    {
        ModelTranslator translator(*m_model);
        QVERIFY(!*Waits::waitFor(translator.supports(QStringLiteral("en"), QStringLiteral("ko"))));
    }

    // The set

    void packInstalled_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("withServer");
        QTest::addColumn<bool>("withModel");
        QTest::addColumn<bool>("installed");
        // clang-format off
        QTest::newRow("dictionary and apertium pair") << "en" << "es" << false << false << true;
        QTest::newRow("reverse pair") << "es" << "en" << false << false << true;
        QTest::newRow("nothing for en-ko") << "en" << "ko" << false << false << false;
        QTest::newRow("server lists en-ko") << "en" << "ko" << true << false << true;
        QTest::newRow("server lacks ko-es") << "ko" << "es" << true << false << false;
        QTest::newRow("model translates ko-es") << "ko" << "es" << false << true << true;
        // clang-format on
    }

    void packInstalled()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(bool, withServer);
        QFETCH(bool, withModel);
        QFETCH(bool, installed);
        FakeTranslationServer server;
        FakeModelServer model;
        if (withServer)
            m_settings->setValue(LibreTranslateClient::kUrlKey, server.server.url().toString());
        if (withModel)
            m_settings->setValue(LanguageModelClient::kBaseUrlKey, model.server.url(QStringLiteral("/v1")).toString());
        auto set = machineSet();
        CapturedLog log;
        QCOMPARE(*Waits::waitFor(set->isPackInstalled(source, target)), installed);
        QVERIFY2(log.contains(QStringLiteral("quillmoor.translation: LanguageAvailability(%1→%2): %3")
                                  .arg(source, target, installed ? "installed" : "unsupported")),
            qPrintable(log.lines().join('\n')));
    }

    void onlyAvailablePairsAreRemembered()
    {
        FakeTranslationServer server;
        auto set = machineSet();
        const std::optional<QString> en = QStringLiteral("en"), ja = QStringLiteral("ko");
        QCOMPARE(TranslationBackendSet::availabilityKey(en, ja), QStringLiteral("en-ko"));
        QCOMPARE(TranslationBackendSet::availabilityKey(std::nullopt, ja), QStringLiteral("?-ko"));

        QVERIFY(!*Waits::waitFor(set->isPairAvailable(en, ja)));
        // The user sets up a server: the next check sees it.
        m_settings->setValue(LibreTranslateClient::kUrlKey, server.server.url().toString());
        QVERIFY(*Waits::waitFor(set->isPairAvailable(en, ja)));
        const int listings = server.count("/languages");
        CapturedLog log;
        QVERIFY(*Waits::waitFor(set->isPairAvailable(en, ja)));
        QCOMPARE(server.count("/languages"), listings);
        QVERIFY(!log.contains(QStringLiteral("LanguageAvailability")));
        QVERIFY(!*Waits::waitFor(set->isPairAvailable(std::nullopt, ja)));

        // Cleared (after packages were installed), the back-ends are asked again.
        m_settings->remove(LibreTranslateClient::kUrlKey);
        QVERIFY(*Waits::waitFor(set->isPairAvailable(en, ja)));
        set->clearAvailability();
        QVERIFY(!*Waits::waitFor(set->isPairAvailable(en, ja)));
    }

    void wordsAndSentencesGoToTheirBackends_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("translation");
        // clang-format off
        QTest::newRow("word from the dictionary") << "house" << "casa";
        QTest::newRow("word only apertium knows") << "slowly" << "despacio";
        QTest::newRow("sentence through apertium") << "I went to the house yesterday." << "Fui a la casa ayer.";
        // clang-format on
    }

    void wordsAndSentencesGoToTheirBackends()
    {
        QFETCH(QString, text);
        QFETCH(QString, translation);
        auto set = machineSet();
        const auto result = Waits::waitFor(set->translate(text, QStringLiteral("en"), QStringLiteral("es")));
        QVERIFY(result);
        QVERIFY2(result->ok(), qPrintable(result->error));
        QCOMPARE(*result->text, translation);
    }

    void serverComesFirst()
    {
        FakeTranslationServer server;
        server.languages = "[{\"code\":\"en\",\"targets\":[\"es\"]}]";
        server.translation.body = "{\"translatedText\":\"casa del servidor\"}";
        m_settings->setValue(LibreTranslateClient::kUrlKey, server.server.url().toString());
        auto set = machineSet();
        QCOMPARE(
            *Waits::waitFor(set->translate(QStringLiteral("house"), QStringLiteral("en"), QStringLiteral("es")))->text,
            QStringLiteral("casa del servidor"));
        // A failing server leaves the word to the dictionary.
        server.translation.status = 500;
        QCOMPARE(
            *Waits::waitFor(set->translate(QStringLiteral("house"), QStringLiteral("en"), QStringLiteral("es")))->text,
            QStringLiteral("casa"));
    }

    void nothingTranslatesThePair()
    {
        auto set = machineSet();
        const auto result
            = Waits::waitFor(set->translate(QStringLiteral("house"), QStringLiteral("en"), QStringLiteral("ko")));
        QVERIFY(result && !result->ok());
        QVERIFY(!result->error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslationBackends)
#include "TestTranslationBackends.moc"
