#include "support/LookupRig.h"

#include "anki/AnkiConnectService.h"
#include "language/ContextualTranslationService.h"
#include "language/EtymologyService.h"
#include "language/GeneratedImageService.h"
#include "language/ImageRelevanceService.h"
#include "language/ImageService.h"
#include "language/LanguageDetector.h"
#include "language/LanguageModelClient.h"
#include "language/MeaningService.h"
#include "language/OnDeviceModelQueue.h"
#include "language/PronunciationService.h"
#include "language/TranslationBackendSet.h"
#include "platform/LanguageRecognizer.h"
#include "preferences/Preferences.h"
#include "store/CardDatabase.h"
#include "store/VocabCardStore.h"

#include <QCoroTimer>
#include <QJsonArray>
#include <QTest>

#include <chrono>

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
    m_web.modelsStatus = 503;
    m_web.chat = reply(503, "{}");
    m_web.server.route("GET", "*", [this](const LocalHttpServer::Request& request) {
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

    m_preferences = std::make_unique<Preferences>(m_home.defaultsFile());
    DefaultsStore& settings = m_preferences->store();
    settings.setValue(LanguageModelClient::kBaseUrlKey, web().url(QStringLiteral("/v1")).toString());
    settings.setValue(PronunciationService::kBaseUrlKey, web().url().toString());
    settings.setValue(ImageService::kBaseUrlKey, web().url().toString());
    settings.setValue(GeneratedImageService::kUrlKey, web().url(QStringLiteral("/v1/images/generations")).toString());
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
    m_ankiClient = std::make_unique<AnkiConnectService>(m_anki.server.url());
    m_relevance = std::make_unique<ImageRelevanceService>(*m_model);
    m_encyclopedia = std::make_unique<ImageService>(settings, *m_relevance);
    m_generator = std::make_unique<GeneratedImageService>(settings);
    QString error;
    m_database = CardDatabase::open(m_home.dataHome() + QStringLiteral("/cards.sqlite"), &error);
    Q_ASSERT_X(m_database, "LookupRig", qPrintable(error));
    m_store = std::make_unique<VocabCardStore>(*m_database);
    m_services
        = std::make_unique<LookupServices>(LookupServices { *m_preferences, *m_detector, *m_translation, *m_backends,
            *m_pronunciation, *m_meaning, *m_etymology, *m_ankiClient, *m_encyclopedia, *m_generator, *m_store });
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
