#include "support/LookupRig.h"

#include "anki/AnkiConnectService.h"
#include "language/ContextualTranslationService.h"
#include "language/GeneratedImageService.h"
#include "language/ImageRelevanceService.h"
#include "language/ImageService.h"
#include "language/LanguageDetector.h"
#include "language/LanguageModelClient.h"
#include "language/EtymologyService.h"
#include "language/MeaningService.h"
#include "language/OnDeviceModelQueue.h"
#include "language/PronunciationService.h"
#include "language/TranslationBackendSet.h"
#include "platform/LanguageRecognizer.h"
#include "preferences/Preferences.h"
#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"

#include <QCoroTimer>
#include <QTest>
#include <QJsonArray>
#include <QJsonDocument>

#include <chrono>

namespace {

LocalHttpServer::Response reply(int status, const QByteArray& body)
{
    LocalHttpServer::Response response;
    response.status = status;
    response.body = body;
    return response;
}

QByteArray json(const QJsonValue& value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QByteArray completion(const QJsonObject& record)
{
    const QJsonObject message { { "role", "assistant" },
        { "content", QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)) } };
    return json(QJsonObject { { "choices",
        QJsonArray { QJsonObject { { "index", 0 }, { "message", message }, { "finish_reason", "stop" } } } } });
}

} // namespace

QCoro::Task<bool> ScriptedBackend::supports(QString, QString)
{
    co_return supported;
}

QCoro::Task<TranslationBackend::Result> ScriptedBackend::translate(QString text, QString, QString)
{
    seen << text;
    if (const int delay = delaysMs.value(text); delay > 0)
        co_await QCoro::sleepFor(std::chrono::milliseconds(delay));
    const auto answer = answers.constFind(text);
    if (answer == answers.constEnd())
        co_return Result::failure(QStringLiteral("no scripted answer"));
    co_return Result::success(*answer);
}

QCoro::Task<std::optional<QByteArray>> SilentSpeech::synthesize(QString, QString)
{
    co_return std::nullopt;
}

QCoro::Task<std::optional<QString>> SilentSpeech::transcribe(QString, QString)
{
    co_return std::nullopt;
}

LookupRig::LookupRig()
{
    m_web.start();
    m_anki.start();
    m_web.route("GET", "/v1/models", [this](const auto&) {
        if (!m_modelAnswer && m_schemaAnswers.isEmpty())
            return reply(503, "{}");
        return reply(200, json(QJsonObject { { "data", QJsonArray { QJsonObject { { "id", "tiny" } } } } }));
    });
    m_web.route("POST", "/v1/chat/completions", [this](const LocalHttpServer::Request& request) {
        const QString schema = QJsonDocument::fromJson(request.body)
                                   .object()
                                   .value("response_format")
                                   .toObject()
                                   .value("json_schema")
                                   .toObject()
                                   .value("name")
                                   .toString();
        if (m_schemaAnswers.contains(schema))
            return reply(200, completion(m_schemaAnswers.value(schema)));
        return m_modelAnswer ? reply(200, completion(*m_modelAnswer)) : reply(503, "{}");
    });
    m_web.route("GET", "*", [this](const LocalHttpServer::Request& request) {
        // The dictionary: /api/v2/entries/<locale>/<word>; everything else is not found.
        const QList<QByteArray> parts = request.path.split('/');
        if (parts.size() == 6 && parts[1] == "api") {
            const QString word = QUrl::fromPercentEncoding(parts[5]);
            if (m_phonetics.contains(word)) {
                const QJsonObject entry { { "word", word }, { "phonetic", m_phonetics.value(word) },
                    { "phonetics", QJsonArray {} } };
                return reply(200, json(QJsonArray { entry }));
            }
        }
        return reply(404, "{}");
    });
    m_anki.route("POST", "/", [](const LocalHttpServer::Request& request) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        const QString action = body.value("action").toString();
        QJsonValue result = QJsonValue::Null;
        if (action == QLatin1String("addNote"))
            result = double(1'700'000'000'123);
        else if (action == QLatin1String("storeMediaFile"))
            result = body.value("params").toObject().value("filename");
        else if (action == QLatin1String("createDeck"))
            result = 1;
        return reply(200, json(QJsonObject { { "result", result }, { "error", QJsonValue::Null } }));
    });

    m_preferences = std::make_unique<Preferences>(m_home.defaultsFile());
    DefaultsStore& settings = m_preferences->store();
    settings.setValue(LanguageModelClient::kBaseUrlKey, m_web.url(QStringLiteral("/v1")).toString());
    settings.setValue(PronunciationService::kBaseUrlKey, m_web.url().toString());
    settings.setValue(ImageService::kBaseUrlKey, m_web.url().toString());
    settings.setValue(GeneratedImageService::kUrlKey, m_web.url(QStringLiteral("/v1/images/generations")).toString());
    m_model = std::make_unique<LanguageModelClient>(settings);
    m_queue = std::make_unique<OnDeviceModelQueue>();
    m_backends = std::make_unique<TranslationBackendSet>();
    m_backend = static_cast<ScriptedBackend*>(m_backends->add(std::make_unique<ScriptedBackend>()));
    m_translation = std::make_unique<ContextualTranslationService>(*m_model, *m_queue, *m_backends,
        m_preferences->translation(), [](const QString&, const QString&) { return false; });
    m_detector = std::make_unique<LanguageDetector>(m_recognizer);
    m_pronunciation = std::make_unique<PronunciationService>(settings, m_speech);
    m_meaning = std::make_unique<MeaningService>(*m_model);
    m_etymology = std::make_unique<EtymologyService>(*m_model);
    m_ankiClient = std::make_unique<AnkiConnectService>(m_anki.url());
    m_relevance = std::make_unique<ImageRelevanceService>(*m_model);
    m_encyclopedia = std::make_unique<ImageService>(settings, *m_relevance);
    m_generator = std::make_unique<GeneratedImageService>(settings);
    QString error;
    m_database = CardDatabase::open(m_home.dataHome() + QStringLiteral("/cards.sqlite"), &error);
    Q_ASSERT_X(m_database, "LookupRig", qPrintable(error));
    m_store = std::make_unique<VocabCardStore>(*m_database);
    m_services = std::make_unique<LookupServices>(
        LookupServices { *m_preferences, *m_detector, *m_translation, *m_backends, *m_pronunciation, *m_meaning,
            *m_etymology, *m_ankiClient, *m_encyclopedia, *m_generator, *m_store });
}

LookupRig::~LookupRig()
{
    // A card destroyed by the test cancels its translation run, which resumes on the next turn
    // of the event loop and must still find these services.
    QTest::qWait(150);
}

void LookupRig::useEnglishToSpanish()
{
    m_preferences->translation().setStudyLanguageCode(QStringLiteral("en"));
    m_preferences->translation().setTargetLanguageCode(QStringLiteral("es"));
    m_preferences->translation().setMode(TranslationMode::Bilingual);
}

QList<QJsonObject> LookupRig::modelRequests(const QString& schemaName) const
{
    QList<QJsonObject> bodies;
    for (const LocalHttpServer::Request& request : m_web.requests()) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        const QJsonObject format = body.value("response_format").toObject().value("json_schema").toObject();
        if (request.path == "/v1/chat/completions" && format.value("name").toString() == schemaName)
            bodies.append(body);
    }
    return bodies;
}

QList<QJsonObject> LookupRig::ankiRequests(const QString& action) const
{
    QList<QJsonObject> found;
    for (const LocalHttpServer::Request& request : m_anki.requests()) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        if (body.value("action").toString() == action)
            found << body;
    }
    return found;
}
