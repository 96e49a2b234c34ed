#include "app/LookupServiceStack.h"

#include "anki/AnkiConnectService.h"
#include "grammar/GrammarAnalysisService.h"
#include "grammar/GrammarExerciseGenerationService.h"
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
#include "language/WordNetVerbTagger.h"
#include "preferences/LanguageCodes.h"
#include "preferences/Preferences.h"

LookupServiceStack::LookupServiceStack(
    Preferences& preferences, VocabCardStore& vocabulary, LanguageRecognizer& recognizer, SpeechSynthesizer& speech)
{
    DefaultsStore& settings = preferences.store();
    m_model = std::make_unique<LanguageModelClient>(settings);
    m_queue = std::make_unique<OnDeviceModelQueue>();
    m_backends = TranslationBackendSet::createDefault(settings, *m_model);
    m_translation
        = std::make_unique<ContextualTranslationService>(*m_model, *m_queue, *m_backends, preferences.translation(),
            [this](const QString& word, const QString& sentence) { return isVerb(word, sentence); });
    m_detector = std::make_unique<LanguageDetector>(recognizer);
    m_pronunciation = std::make_unique<PronunciationService>(settings, speech);
    m_meaning = std::make_unique<MeaningService>(*m_model);
    m_etymology = std::make_unique<EtymologyService>(*m_model);
    m_anki = std::make_unique<AnkiConnectService>(AnkiConnectService::endpointFromSettings(settings));
    m_relevance = std::make_unique<ImageRelevanceService>(*m_model);
    m_encyclopedia = std::make_unique<ImageService>(settings, *m_relevance);
    m_generator = std::make_unique<GeneratedImageService>(settings);
    m_services = std::make_unique<LookupServices>(LookupServices { preferences, *m_detector, *m_translation,
        *m_backends, *m_pronunciation, *m_meaning, *m_etymology, *m_anki, *m_encyclopedia, *m_generator, vocabulary });
    m_grammarAnalysis = std::make_unique<GrammarAnalysisService>(*m_model);
    m_exerciseGeneration = std::make_unique<GrammarExerciseGenerationService>(
        *m_model, vocabulary, GrammarExerciseGenerationService::Options {});
}

LookupServiceStack::~LookupServiceStack() = default;

void LookupServiceStack::prepareTranslation(Preferences& preferences)
{
    const std::optional<QString> study = preferences.translation().studyLanguageCode();
    const std::optional<QString> target = preferences.translation().targetLanguageCode();
    if (!study || !target)
        return;
    m_backends->prepare(*study, *target);
    if (LanguageCodes::base(*study) == QLatin1String("en"))
        isVerb(QStringLiteral("be"), QString());
}

bool LookupServiceStack::isVerb(const QString& word, const QString& sentence)
{
    if (!m_verbs)
        m_verbs = std::make_unique<WordNetVerbTagger>();
    return m_verbs->isVerb(word, sentence);
}
