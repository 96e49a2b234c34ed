#include "anki/AnkiConnectService.h"
#include "language/GeneratedImageService.h"
#include "language/LanguageModelClient.h"
#include "language/LibreTranslateClient.h"
#include "preferences/DefaultsStore.h"
#include "settings/ServiceStatusChecker.h"
#include "support/FakeAnkiConnect.h"
#include "support/FakeModelServer.h"
#include "support/Waits.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using Service = ServiceStatusChecker::Service;
using State = ServiceStatusChecker::State;
Q_DECLARE_METATYPE(Service)
Q_DECLARE_METATYPE(State)

// Each service against a server of its kind on 127.0.0.1 that answers, is missing, or answers
// with something else.
class TestServiceStatusChecker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DefaultsStore> m_store;
    FakeModelServer m_model;
    LocalHttpServer m_translation;
    FakeAnkiConnect m_anki;
    QString m_deadAddress;

    ServiceStatusChecker::Status checked(Service service)
    {
        ServiceStatusChecker checker(*m_store, ServiceStatusChecker::Options { std::chrono::milliseconds(2000) });
        const bool done = Waits::waitFor(checker.check(service));
        if (!done)
            return {};
        return checker.status(service);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_translation.start();
        m_translation.route("GET", "/languages",
            [](const auto&) { return reply(200, R"([{"code":"en","name":"English","targets":["es"]}])"); });
        m_translation.route("GET", "/broken/languages", [](const auto&) { return reply(500, "{}"); });
        m_translation.route("GET", "/html/languages", [](const auto&) { return reply(200, "<html/>", "text/html"); });
        // A port that was free a moment ago: nothing answers there.
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_deadAddress = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
    }

    void init() { m_store = std::make_unique<DefaultsStore>(m_dir.filePath(QStringLiteral("defaults.json"))); }

    void cleanup()
    {
        m_store.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("defaults.json")));
    }

    void statusOfEachService_data()
    {
        QTest::addColumn<Service>("service");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // "@model", "@translation", "@anki" or "@dead" + path
        QTest::addColumn<QString>("modelKey");
        QTest::addColumn<QString>("model");
        QTest::addColumn<State>("expected");
        QTest::addColumn<QStringList>("models");
        const QString modelUrl = LanguageModelClient::kBaseUrlKey, modelName = LanguageModelClient::kModelKey;
        const QString translation = LibreTranslateClient::kUrlKey, image = GeneratedImageService::kUrlKey;
        const QString imageModel = GeneratedImageService::kModelKey, anki = AnkiConnectService::kUrlKey;
        const QStringList served { "qwen2.5-3b-instruct", "llama3.2" };
        // clang-format off
        QTest::newRow("model server, first model") << Service::LanguageModel << modelUrl << "@model/v1" << modelName << "" << State::Answers << served;
        QTest::newRow("model server, chosen model") << Service::LanguageModel << modelUrl << "@model/v1/" << modelName << "llama3.2" << State::Answers << served;
        QTest::newRow("model server, wrong model") << Service::LanguageModel << modelUrl << "@model/v1" << modelName << "mistral-7b" << State::ModelMissing << served;
        QTest::newRow("model server down") << Service::LanguageModel << modelUrl << "@dead/v1" << modelName << "" << State::NoAnswer << QStringList();
        QTest::newRow("model address not a URL") << Service::LanguageModel << modelUrl << "localhost 11434" << modelName << "" << State::NoAnswer << QStringList();
        QTest::newRow("translation server off") << Service::TranslationServer << translation << "" << "" << "" << State::Off << QStringList();
        QTest::newRow("translation server up") << Service::TranslationServer << translation << "@translation" << "" << "" << State::Answers << QStringList();
        QTest::newRow("translation server error") << Service::TranslationServer << translation << "@translation/broken" << "" << "" << State::NoAnswer << QStringList();
        QTest::newRow("translation server not LibreTranslate") << Service::TranslationServer << translation << "@translation/html" << "" << "" << State::NoAnswer << QStringList();
        QTest::newRow("translation server down") << Service::TranslationServer << translation << "@dead" << "" << "" << State::NoAnswer << QStringList();
        QTest::newRow("image server off") << Service::ImageServer << image << "" << "" << "" << State::Off << QStringList();
        QTest::newRow("image server up") << Service::ImageServer << image << "@model/v1" << imageModel << "" << State::Answers << served;
        QTest::newRow("image server, wrong model") << Service::ImageServer << image << "@model/v1" << imageModel << "sdxl" << State::ModelMissing << served;
        QTest::newRow("image server down") << Service::ImageServer << image << "@dead/v1" << imageModel << "" << State::NoAnswer << QStringList();
        QTest::newRow("AnkiConnect up") << Service::AnkiConnect << anki << "@anki" << "" << "" << State::Answers << QStringList();
        QTest::newRow("AnkiConnect down") << Service::AnkiConnect << anki << "@dead" << "" << "" << State::NoAnswer << QStringList();
        QTest::newRow("not AnkiConnect") << Service::AnkiConnect << anki << "@translation" << "" << "" << State::NoAnswer << QStringList();
        // clang-format on
    }

    void statusOfEachService()
    {
        QFETCH(Service, service);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, modelKey);
        QFETCH(QString, model);
        QFETCH(State, expected);
        QFETCH(QStringList, models);
        value.replace(QStringLiteral("@model"), m_model.server.url().toString(QUrl::StripTrailingSlash));
        value.replace(QStringLiteral("@translation"), m_translation.url().toString(QUrl::StripTrailingSlash));
        value.replace(QStringLiteral("@anki"), m_anki.server.url().toString(QUrl::StripTrailingSlash));
        value.replace(QStringLiteral("@dead"), m_deadAddress);
        if (!value.isEmpty())
            m_store->setValue(key, value);
        if (!model.isEmpty())
            m_store->setValue(modelKey, model);
        m_anki.answer(QStringLiteral("version"), ankiAnswer(6));

        const ServiceStatusChecker::Status status = checked(service);
        QCOMPARE(status.state, expected);
        QCOMPARE(status.models, models);
        QCOMPARE(status.detail.isEmpty(), expected == State::Answers || expected == State::Off);
    }

    // A check started later wins even when the earlier one answers last.
    void newerCheckReplacesOlder()
    {
        LocalHttpServer slow;
        slow.start();
        slow.route("GET", "/v1/models", [](const auto&) {
            LocalHttpServer::Response late = reply(200, R"({"data":[{"id":"old"}]})");
            late.delayMs = 400;
            return late;
        });
        m_store->setValue(LanguageModelClient::kBaseUrlKey, slow.url(QStringLiteral("/v1")).toString());
        ServiceStatusChecker checker(*m_store, {});
        QCoro::Task<> first = checker.check(Service::LanguageModel);
        QCOMPARE(checker.status(Service::LanguageModel).state, State::Checking);
        m_store->setValue(
            LanguageModelClient::kBaseUrlKey, m_model.server.url().toString(QUrl::StripTrailingSlash) + "/v1");
        QVERIFY(Waits::waitFor(checker.check(Service::LanguageModel)));
        QVERIFY(Waits::waitFor(std::move(first)));
        QCOMPARE(checker.status(Service::LanguageModel).models, (QStringList { "qwen2.5-3b-instruct", "llama3.2" }));
    }
};

QTEST_GUILESS_MAIN(TestServiceStatusChecker)
#include "TestServiceStatusChecker.moc"
