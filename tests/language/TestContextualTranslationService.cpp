#include "language/ContextualTranslationService.h"
#include "language/LanguageModelClient.h"
#include "language/OnDeviceModelQueue.h"
#include "language/TranslationBackendSet.h"
#include "platform/CancellationToken.h"
#include "preferences/DefaultsStore.h"
#include "preferences/TranslationPreferences.h"
#include "support/CapturedLog.h"
#include "support/FakeModelServer.h"
#include "support/TempXdgHome.h"
#include "support/Waits.h"

#include <QCoroTimer>
#include <QJsonArray>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

// A translation back-end with fixed answers, for the flow around the back-ends.
class FixedTranslator : public TranslationBackend
{
public:
    QHash<QString, QString> answers;
    QStringList asked;

    QString name() const override { return QStringLiteral("fixed"); }
    bool accepts(const QString&) const override { return true; }
    QCoro::Task<bool> supports(QString source, QString target) override
    {
        co_return source == QLatin1String("en") && target == QLatin1String("es");
    }
    QCoro::Task<Result> translate(QString text, QString, QString) override
    {
        asked << text;
        if (!answers.contains(text))
            co_return Result::failure(QStringLiteral("no answer for ") + text);
        co_return Result::success(answers.value(text));
    }
};

QString content(const QString& translation)
{
    return QJsonDocument(QJsonObject { { "sourceExpression", "gave up" }, { "translation", translation } })
        .toJson(QJsonDocument::Compact);
}

QCoro::Task<QStringList> refineTwice(ContextualTranslationService& service)
{
    auto first = service.refine(QStringLiteral("bank"), QStringLiteral("We sat on the bank of the river."),
        QStringLiteral("banco"), QStringLiteral("es"));
    auto second = service.refine(QStringLiteral("river"), QStringLiteral("We sat on the bank of the river."),
        QStringLiteral("río"), QStringLiteral("es"));
    QStringList results;
    results << co_await std::move(first);
    results << co_await std::move(second);
    co_return results;
}

const QString kSentence = QStringLiteral("He gave up smoking.");

} // namespace

class TestContextualTranslationService : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempXdgHome> m_home;
    std::unique_ptr<DefaultsStore> m_settings;
    std::unique_ptr<TranslationPreferences> m_preferences;
    std::unique_ptr<FakeModelServer> m_fake;
    std::unique_ptr<LanguageModelClient> m_model;
    std::unique_ptr<OnDeviceModelQueue> m_queue;
    std::unique_ptr<TranslationBackendSet> m_backends;
    FixedTranslator* m_fixed = nullptr;
    std::unique_ptr<ContextualTranslationService> m_service;

    std::optional<QString> refine(const QString& word, const QString& sentence, const QString& baseline,
        const QString& target = QStringLiteral("es"))
    {
        return Waits::waitFor(m_service->refine(word, sentence, baseline, target));
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TempXdgHome>();
        m_settings = std::make_unique<DefaultsStore>(m_home->defaultsFile());
        m_preferences = std::make_unique<TranslationPreferences>(*m_settings);
        m_preferences->setTargetLanguageCode(QStringLiteral("es"));
        m_fake = std::make_unique<FakeModelServer>();
        m_fake->chat.body = completion(content(QStringLiteral("dejó")));
        m_settings->setValue(LanguageModelClient::kBaseUrlKey, m_fake->server.url(QStringLiteral("/v1")).toString());
        m_model = std::make_unique<LanguageModelClient>(*m_settings);
        m_queue = std::make_unique<OnDeviceModelQueue>();
        m_backends = std::make_unique<TranslationBackendSet>();
        auto fixed = std::make_unique<FixedTranslator>();
        m_fixed = fixed.get();
        m_backends->add(std::move(fixed));
        m_service = std::make_unique<ContextualTranslationService>(
            *m_model, *m_queue, *m_backends, *m_preferences, [](const QString& word, const QString&) {
                return word.compare(QLatin1String("gave"), Qt::CaseInsensitive) == 0;
            });
    }
    void cleanup()
    {
        m_service.reset();
        m_backends.reset();
        m_queue.reset();
        m_model.reset();
        m_fake.reset();
        m_preferences.reset();
        m_settings.reset();
        m_home.reset();
    }

    void refinementRequest()
    {
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>("dejó"));
        const QJsonObject body = m_fake->lastChatBody();
        const QString prompt = body.value("messages").toArray()[1].toObject().value("content").toString();
        for (const QString& part : { kSentence, QStringLiteral("gave"), QStringLiteral("dio") })
            QVERIFY2(prompt.contains(part), qPrintable(prompt));
        QVERIFY(body.value("max_tokens").toInt() > 0);
        QCOMPARE(body.value("response_format").toObject().value("json_schema").toObject().value("name").toString(),
            QStringLiteral("ContextualTranslation"));
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("cached");
        QTest::addColumn<QString>("logLine");
        // clang-format off
        QTest::newRow("success, trimmed") << completion(content(QStringLiteral("  dejó \n"))) << 200 << "dejó" << true << "";
        QTest::newRow("six words") << completion(content(QStringLiteral("uno dos tres cuatro cinco seis"))) << 200 << "uno dos tres cuatro cinco seis" << true << "";
        QTest::newRow("seven words") << completion(content(QStringLiteral("él dejó de fumar hace mucho tiempo"))) << 200 << "dio" << true << "";
        QTest::newRow("empty") << completion(content(QStringLiteral(" \n "))) << 200 << "dio" << true << "";
        QTest::newRow("refusal") << completion(QString(), QStringLiteral("stop"), QStringLiteral("I can't help.")) << 200 << "dio" << true << "Model refused to answer, using baseline";
        QTest::newRow("content filter") << completion(QString(), QStringLiteral("content_filter")) << 200 << "dio" << true << "Blocked by safety guardrail, using baseline";
        QTest::newRow("http error naming the filter") << QByteArray("{\"error\":{\"message\":\"blocked by the content filter\"}}") << 400 << "dio" << true << "Blocked by safety guardrail, using baseline";
        QTest::newRow("http 500") << QByteArray("{\"error\":{\"message\":\"out of memory\"}}") << 500 << "dio" << false << "Refinement failed: HTTP 500: out of memory";
        QTest::newRow("malformed json") << completion(QStringLiteral("{\"translation\": \"dej")) << 200 << "dio" << false << "Refinement failed: the answer is not a JSON object";
        QTest::newRow("schema violation") << completion(QStringLiteral("{\"translation\":\"dejó\"}")) << 200 << "dio" << false << "Refinement failed: the answer does not match the ContextualTranslation schema";
        QTest::newRow("truncated") << completion(QStringLiteral("{\"sourceExpression\":\"gave up\",\"transl"), QStringLiteral("length")) << 200 << "dio" << false << "Refinement failed: the answer was cut off";
        // clang-format on
    }

    void answers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(QString, result);
        QFETCH(bool, cached);
        QFETCH(QString, logLine);
        m_fake->chat.body = answer;
        m_fake->chat.status = status;
        CapturedLog log;
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>(result));
        QCOMPARE(m_fake->chatRequests(), 1);
        if (!logLine.isEmpty())
            QVERIFY2(
                log.contains(QStringLiteral("quillmoor.translation: ") + logLine), qPrintable(log.lines().join('\n')));
        QVERIFY(log.contains(QStringLiteral("quillmoor.translation: refine(gave) total: ")));

        // Shown again: a cached answer costs no request, an uncached one is asked again.
        m_fake->chat.body = completion(content(QStringLiteral("abandonó")));
        m_fake->chat.status = 200;
        const QString again = cached ? result : QStringLiteral("abandonó");
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>(again));
        QCOMPARE(m_fake->chatRequests(), cached ? 1 : 2);
    }

    void cacheKeyLeavesTheBaselineOut()
    {
        QCOMPARE(ContextualTranslationService::cacheKey("a", "b c", "es"),
            QString("a") + QChar(0) + "b c" + QChar(0) + "es");
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>("dejó"));
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("otra")), std::optional<QString>("dejó"));
        QCOMPARE(m_fake->chatRequests(), 1);
        // Another target language is another entry.
        QVERIFY(refine(QStringLiteral("gave"), kSentence, QStringLiteral("donna"), QStringLiteral("fr")));
        QCOMPARE(m_fake->chatRequests(), 2);
    }

    void longInputIsCapped()
    {
        const QString sentence = QStringLiteral("He gave up. ") + QString(5000, QLatin1Char('x'));
        QVERIFY(refine(QStringLiteral("gave"), sentence, QStringLiteral("dio")));
        const QString prompt
            = m_fake->lastChatBody().value("messages").toArray()[1].toObject().value("content").toString();
        QVERIFY(prompt.startsWith(QStringLiteral("Sentence: ")
            + sentence.left(ContextualTranslationService::kMaxInputCharacters) + QLatin1Char('\n')));
        QVERIFY(prompt.size() < ContextualTranslationService::kMaxInputCharacters + 200);
        // The same page of text captured again hits the cache.
        QVERIFY(refine(QStringLiteral("gave"), sentence + QStringLiteral("more"), QStringLiteral("dio")));
        QCOMPARE(m_fake->chatRequests(), 1);
    }

    void connectionRefusedAfterAvailability()
    {
        // The server answered the availability check and went away before the request.
        QVERIFY(Waits::waitFor(m_model->availability())->isAvailable);
        m_fake.reset();
        CapturedLog log;
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>("dio"));
        QVERIFY2(log.contains(QStringLiteral("quillmoor.translation: Refinement canceled or failed: ")),
            qPrintable(log.lines().join('\n')));
    }

    void modelUnavailable_data()
    {
        QTest::addColumn<bool>("serverDown");
        QTest::newRow("connection refused") << true;
        QTest::newRow("no models served") << false;
    }

    void modelUnavailable()
    {
        QFETCH(bool, serverDown);
        if (serverDown)
            m_fake.reset();
        else
            m_fake->models.clear();
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>("dio"));
        if (m_fake)
            QCOMPARE(m_fake->chatRequests(), 0);
        QCOMPARE(m_queue->generation(), 0);
    }

    void emptySentenceAsksNothing()
    {
        QCOMPARE(refine(QStringLiteral("gave"), QString(), QStringLiteral("dio")), std::optional<QString>("dio"));
        QCOMPARE(m_fake->chatRequests(), 0);
    }

    void supersededRefinementGivesItsBaseline()
    {
        m_fake->chat.delayMs = 200;
        m_fake->chat.body = completion(content(QStringLiteral("orilla")));
        const auto results = Waits::waitFor(refineTwice(*m_service));
        QVERIFY(results);
        QCOMPARE(results->value(0), QStringLiteral("banco"));
        QCOMPARE(results->value(1), QStringLiteral("orilla"));
    }

    // Which stretch and whether to translate

    void monolingual_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("monolingual");
        const auto row = [](const char* name, const char* mode, const char* target, const char* language, bool mono) {
            QTest::newRow(name) << QString(mode) << QString(target) << QString(language) << mono;
        };
        row("monolingual mode", "monolingual", "es", "en", true);
        row("different languages", "bilingual", "es", "en", false);
        row("text in the target language", "bilingual", "es", "es", true);
        row("regional variant of the target", "bilingual", "pt", "pt-BR", true);
        row("no detected language", "bilingual", "es", "", false);
        row("no target", "bilingual", "", "en", false);
    }

    void monolingual()
    {
        QFETCH(QString, mode);
        QFETCH(QString, target);
        QFETCH(QString, language);
        QFETCH(bool, monolingual);
        m_preferences->setMode(TranslationModes::fromRawValue(mode));
        m_preferences->setTargetLanguageCode(target.isEmpty() ? std::nullopt : std::optional<QString>(target));
        LanguageDetection detection;
        if (!language.isEmpty())
            detection.language = language;
        QCOMPARE(m_service->isMonolingual(detection), monolingual);
        const auto configuration = m_service->configuration(detection, true);
        QCOMPARE(configuration.has_value(), !monolingual && !language.isEmpty() && !target.isEmpty());
        if (configuration)
            QCOMPARE(*configuration, std::make_pair(language, target));
        QVERIFY(!m_service->configuration(detection, false));
    }

    void packCheck()
    {
        LanguageDetection english { QStringLiteral("en"), std::nullopt };
        auto check = Waits::waitFor(m_service->checkPack(QStringLiteral("gave"), english));
        QVERIFY(check && check->wordPackReady);
        QCOMPARE(check->translatedWord, std::nullopt);

        LanguageDetection german { QStringLiteral("de"), std::nullopt };
        check = Waits::waitFor(m_service->checkPack(QStringLiteral("gab"), german));
        QVERIFY(check && !check->wordPackReady);
        QCOMPARE(check->translatedWord, std::optional<QString>("gab"));

        LanguageDetection spanish { QStringLiteral("es"), std::nullopt };
        check = Waits::waitFor(m_service->checkPack(QStringLiteral("dejó"), spanish));
        QVERIFY(check && !check->wordPackReady);
        QCOMPARE(check->translatedWord, std::nullopt); // monolingual: nothing to translate, nothing replaced
    }

    // The word translation run

    void wordRun()
    {
        m_fixed->answers = { { QStringLiteral("gave up"), QStringLiteral("renunció") },
            { kSentence, QStringLiteral("Dejó de fumar.") } };
        QList<ContextualTranslationService::WordTranslationState> shown;
        const auto state = Waits::waitFor(
            m_service->translateWord(QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"),
                nullptr, [&shown](const ContextualTranslationService::WordTranslationState& s) { shown << s; }));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("dejó"));
        QVERIFY(!state->translationFailed);
        QVERIFY(!state->isRefiningTranslation);
        QCOMPARE(state->translatedSentence, std::optional<QString>("Dejó de fumar."));
        QCOMPARE(m_fixed->asked, QStringList({ "gave up", kSentence }));
        // Baseline first, then the sentence, then refining, then the refined word.
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].translatedWord, QStringLiteral("renunció"));
        QVERIFY(!shown[0].isRefiningTranslation && !shown[0].translatedSentence);
        QVERIFY(shown[1].translatedSentence && !shown[1].isRefiningTranslation);
        QVERIFY(shown[2].isRefiningTranslation);
        QCOMPARE(shown[3].translatedWord, QStringLiteral("dejó"));
        QCOMPARE(shown.last(), *state);
        // The model sees the captured word, not the unit.
        const QString prompt
            = m_fake->lastChatBody().value("messages").toArray()[1].toObject().value("content").toString();
        QVERIFY2(prompt.contains(QStringLiteral("gave\n")) && prompt.contains(QStringLiteral("renunció")),
            qPrintable(prompt));
    }

    void wordRunWithTheMachineBackends()
    {
        auto machine = TranslationBackendSet::createDefault(*m_settings, *m_model);
        ContextualTranslationService service(*m_model, *m_queue, *machine, *m_preferences,
            [](const QString& word, const QString&) { return word == "gave"; });
        const auto state = Waits::waitFor(service.translateWord(
            QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"), nullptr, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("dejó"));
        QCOMPARE(state->translatedSentence, std::optional<QString>("Dejó de fumar."));
        const QString prompt
            = m_fake->lastChatBody().value("messages").toArray()[1].toObject().value("content").toString();
        QVERIFY2(!prompt.endsWith(QStringLiteral("context): ")), qPrintable(prompt)); // a real baseline went in
    }

    void wordRunFailures()
    {
        CapturedLog log;
        const auto state = Waits::waitFor(m_service->translateWord(
            QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"), nullptr, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("gave"));
        QVERIFY(state->translationFailed);
        QCOMPARE(state->translatedSentence, std::nullopt);
        QCOMPARE(m_fake->chatRequests(), 0);
        QVERIFY(log.contains(
            QStringLiteral("quillmoor.translation: Word translation failed: fixed: no answer for gave up")));
        QVERIFY(log.contains(
            QStringLiteral("quillmoor.translation: Sentence translation failed: fixed: no answer for He gave up")));
    }

    void unchangedTranslation()
    {
        m_fixed->answers = { { QStringLiteral("Hotel"), QStringLiteral("hotel") } };
        m_fake->chat.body = completion(content(QStringLiteral("hotel")));
        CapturedLog log;
        const auto state = Waits::waitFor(m_service->translateWord(QStringLiteral("Hotel"),
            QStringLiteral("Hotel is near."), QStringLiteral("en"), QStringLiteral("es"), nullptr, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("Hotel"));
        QVERIFY(state->translationFailed);
        QVERIFY(log.contains(
            QStringLiteral("quillmoor.translation: Translation unchanged — treating as a non-translation")));
    }

    void labelsAreNotRefined()
    {
        m_fixed->answers = { { QStringLiteral("To Reading List"), QStringLiteral("Lista de lectura") } };
        const auto state = Waits::waitFor(m_service->translateWord(QStringLiteral("Reading"),
            QStringLiteral("Add To Reading List"), QStringLiteral("en"), QStringLiteral("es"), nullptr, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("Lista de lectura"));
        QCOMPARE(m_fake->chatRequests(), 0);
    }

    void noTargetPreferenceNoRefinement()
    {
        m_preferences->setTargetLanguageCode(std::nullopt);
        m_fixed->answers = { { QStringLiteral("gave up"), QStringLiteral("renunció") } };
        const auto state = Waits::waitFor(m_service->translateWord(
            QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"), nullptr, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("renunció"));
        QCOMPARE(m_fake->chatRequests(), 0);
    }

    void cancelledDuringTheRefinement()
    {
        m_fixed->answers = { { QStringLiteral("gave up"), QStringLiteral("renunció") } };
        m_fake->chat.hang = true;
        auto cancel = std::make_shared<CancellationToken>();
        QObject::connect(&m_fake->server, &LocalHttpServer::requestReceived, cancel.get(),
            [cancel](const LocalHttpServer::Request& request) {
                if (request.method == "POST")
                    QTimer::singleShot(50, cancel.get(), [cancel] { cancel->cancel(); });
            });
        CapturedLog log;
        const auto state = Waits::waitFor(m_service->translateWord(
            QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"), cancel, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("renunció"));
        QCOMPARE(m_fake->chatRequests(), 1);
        QVERIFY2(log.contains(QStringLiteral("quillmoor.translation: Refinement canceled or failed: cancelled")),
            qPrintable(log.lines().join('\n')));
        // Nothing was kept: shown again, the word is refined.
        m_fake->chat.hang = false;
        QCOMPARE(refine(QStringLiteral("gave"), kSentence, QStringLiteral("dio")), std::optional<QString>("dejó"));
    }

    void cancelledDuringThePause()
    {
        m_fixed->answers = { { QStringLiteral("gave up"), QStringLiteral("renunció") } };
        auto cancel = std::make_shared<CancellationToken>();
        QTimer::singleShot(20, cancel.get(), [cancel] { cancel->cancel(); });
        const auto state = Waits::waitFor(m_service->translateWord(
            QStringLiteral("gave"), kSentence, QStringLiteral("en"), QStringLiteral("es"), cancel, {}));
        QVERIFY(state);
        QCOMPARE(state->translatedWord, QStringLiteral("renunció"));
        QVERIFY(!state->isRefiningTranslation);
        QCOMPARE(m_fake->chatRequests(), 0);
    }
};

QTEST_GUILESS_MAIN(TestContextualTranslationService)
#include "TestContextualTranslationService.moc"
