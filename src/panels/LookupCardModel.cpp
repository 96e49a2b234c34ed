#include "panels/LookupCardModel.h"

#include "diagnostics/QMLog.h"
#include "language/ContextualTranslationService.h"
#include "language/EtymologyDisplay.h"
#include "language/EtymologyService.h"
#include "language/LanguageDetector.h"
#include "language/MeaningService.h"
#include "language/PronunciationService.h"
#include "language/TranslationPackages.h"
#include "panels/AnkiAddAction.h"
#include "panels/LookupServices.h"
#include "platform/AudioPlayback.h"
#include "platform/CancellationToken.h"
#include "preferences/LanguageCodes.h"
#include "preferences/Preferences.h"

#include <QPointer>

LookupCardModel::LookupCardModel(
    LookupServices& services, QString word, QString sentence, bool isSelection, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_word(std::move(word))
    , m_sentence(std::move(sentence))
    , m_isSelection(isSelection)
    , m_cancel(std::make_shared<CancellationToken>())
    , m_etymology(std::make_unique<EtymologyDisplay>(services.backends, services.preferences.translation()))
{
    TranslationPreferences& translation = services.preferences.translation();
    m_detection = services.detector.detect(m_word, m_sentence, translation.studyLanguageCode(),
        translation.targetLanguageCode(), services.preferences.interfaceLanguage().effectiveLanguageCode());
    m_isMonolingual = services.translation.isMonolingual(m_detection);
}

LookupCardModel::~LookupCardModel()
{
    // A replaced card's translation run stops before it reaches the language model.
    m_cancel->cancel();
}

void LookupCardModel::start()
{
    if (m_started)
        return;
    m_started = true;
    runTranslation();
    runEtymology();
    runPronunciation();
    runMeaning();
}

bool LookupCardModel::isMonolingualMode() const
{
    return m_services.preferences.translation().mode() == TranslationMode::Monolingual;
}

std::optional<QString> LookupCardModel::baseLanguageCode() const
{
    const QString base = LanguageDetector::baseCode(m_detection.language);
    return base.isEmpty() ? std::nullopt : std::optional<QString>(base);
}

QString LookupCardModel::etymologyLanguageCode() const
{
    const std::optional<QString> target = m_services.preferences.translation().targetLanguageCode();
    if (target && !target->isEmpty())
        return LanguageCodes::base(*target);
    return m_services.preferences.interfaceLanguage().effectiveLanguageCode();
}

QString LookupCardModel::hintForMissingPair(const QString& source, const QString& target) const
{
    const QString package = TranslationPackages::packageFor(source, target);
    if (!package.isEmpty())
        return tr("Установите пакет %1, чтобы переводить эту пару языков").arg(package);
    return tr("Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)");
}

QCoro::Task<void> LookupCardModel::runTranslation()
{
    QPointer<LookupCardModel> self(this);
    ContextualTranslationService& service = m_services.translation;
    const ContextualTranslationService::PackCheck check = co_await service.checkPack(m_word, m_detection);
    if (!self)
        co_return;
    if (!check.wordPackReady && check.translatedWord) {
        // Nothing translates this pair here: say so, and what would, rather than echo the word.
        m_translationFailed = true;
        m_missingPairHint = hintForMissingPair(m_detection.language.value_or(QString()),
            m_services.preferences.translation().targetLanguageCode().value_or(QString()));
    }
    if (check.translatedWord && !m_translatedWord)
        m_translatedWord = check.translatedWord;
    const auto configuration = service.configuration(m_detection, check.wordPackReady);
    if (!configuration) {
        // No session will run: the card shows the word itself instead of waiting for ever.
        if (!m_isMonolingual && !m_translatedWord)
            m_translatedWord = m_word;
        Q_EMIT changed();
        co_return;
    }
    Q_EMIT changed();
    auto publish = [self](const ContextualTranslationService::WordTranslationState& state) {
        if (!self)
            return;
        self->m_translatedWord = state.translatedWord;
        self->m_translationFailed = state.translationFailed;
        self->m_otherSenses = state.otherSenses;
        self->m_isRefiningTranslation = state.isRefiningTranslation;
        self->m_translatedSentence = state.translatedSentence;
        Q_EMIT self->changed();
    };
    co_await service.translateWord(
        m_word, m_sentence, configuration->first, configuration->second, m_cancel, std::move(publish));
}

QCoro::Task<void> LookupCardModel::runEtymology()
{
    QPointer<LookupCardModel> self(this);
    std::optional<EtymologyResult> result;
    const QString unit = m_services.translation.translationUnit(m_word, m_sentence);
    const std::optional<QString> code = baseLanguageCode();
    if (code && EtymologyService::isEligible(unit)) {
        result = co_await m_services.etymology.generate(unit, m_sentence, *code, etymologyLanguageCode(), m_cancel);
        if (!self)
            co_return;
    }
    m_etymology->finishLoading(std::move(result));
    Q_EMIT changed();
    if (!m_etymology->translationConfiguration())
        co_return;
    co_await m_etymology->checkPack();
    if (!self)
        co_return;
    co_await m_etymology->translate();
    if (self)
        Q_EMIT changed();
}

QCoro::Task<void> LookupCardModel::runPronunciation()
{
    QPointer<LookupCardModel> self(this);
    const PronunciationResult result = co_await m_services.pronunciation.fetch(m_word, baseLanguageCode());
    if (!self)
        co_return;
    m_phonetic = result.phonetic;
    m_pronunciationAudio = result.audioData;
    m_pronunciationAudioExtension = result.audioFileExtension;
    qCInfo(lcPronunciation).noquote()
        << QStringLiteral("Pronunciation for \"%1\": phonetic=%2, audio=%3")
               .arg(m_word, m_phonetic.value_or(QStringLiteral("nil")),
                   m_pronunciationAudio ? QStringLiteral("true") : QStringLiteral("false"));
    Q_EMIT changed();
}

QCoro::Task<void> LookupCardModel::runMeaning()
{
    m_meaningFailed = false;
    if (!isMonolingualMode())
        co_return;
    const std::optional<QString> code = baseLanguageCode();
    if (!code) {
        // Skipped for want of a language counts as failed, so the card can still be saved.
        m_meaningFailed = true;
        Q_EMIT changed();
        co_return;
    }
    QPointer<LookupCardModel> self(this);
    const std::optional<QString> meaning = co_await m_services.meaning.generate(m_word, m_sentence, *code);
    if (!self)
        co_return;
    m_meaning = meaning;
    m_meaningFailed = !meaning;
    Q_EMIT changed();
}

std::optional<QString> LookupCardModel::displayedEtymology() const
{
    return m_etymology->displayedEtymology();
}

bool LookupCardModel::isEtymologyLoading() const
{
    return m_etymology->isEtymologyLoading();
}

void LookupCardModel::setEtymologyExpanded(bool expanded)
{
    m_etymology->setExpanded(expanded);
    Q_EMIT changed();
}

AnkiAddState LookupCardModel::ankiState() const
{
    return m_addAction ? m_addAction->state() : AnkiAddState::idle();
}

std::optional<qint64> LookupCardModel::savedCardId() const
{
    return m_addAction ? m_addAction->savedCardId() : std::nullopt;
}

bool LookupCardModel::isReadyToSave() const
{
    if (m_isRefiningTranslation)
        return false;
    if (isMonolingualMode())
        return m_meaning ? true : m_meaningFailed;
    if (m_isMonolingual)
        return m_etymology->displayedEtymology().has_value() || m_phonetic.has_value();
    return m_translatedWord.has_value();
}

VocabCardContent LookupCardModel::content() const
{
    VocabCardContent content;
    content.word = m_word;
    content.sentence = m_sentence;
    content.meaning = m_meaning;
    content.translatedWord = m_translatedWord;
    content.translatedSentence = m_translatedSentence;
    if (const QString etymology = m_etymology->savedEtymology(); !etymology.isEmpty())
        content.etymology = etymology;
    content.phonetic = m_phonetic;
    content.pronunciationAudio = m_pronunciationAudio;
    content.pronunciationAudioExtension = m_pronunciationAudioExtension;
    content.deckName
        = AnkiAddAction::deckLabel(baseLanguageCode(), m_services.preferences.translation().targetLanguageCode());
    return content;
}

void LookupCardModel::addToAnki()
{
    if (!isReadyToSave() || !ankiState().canStart())
        return;
    if (!m_addAction) {
        m_addAction = new AnkiAddAction(
            { m_services.vocabulary, m_services.anki, m_services.encyclopedia, m_services.generator },
            m_services.preferences.anki().deckName(), this);
        connect(m_addAction, &AnkiAddAction::stateChanged, this, &LookupCardModel::changed);
    }
    m_addAction->run(content());
}

void LookupCardModel::playPronunciation()
{
    if (!m_pronunciationAudio)
        return;
    if (!m_audioPlayer) {
        m_audioPlayer = new AudioPlayback(this);
        connect(m_audioPlayer, &AudioPlayback::failed, this, [](const QString& reason) {
            qCWarning(lcPronunciation).noquote() << QStringLiteral("Audio playback failed: %1").arg(reason);
        });
    }
    m_audioPlayer->play(*m_pronunciationAudio, m_pronunciationAudioExtension);
}
