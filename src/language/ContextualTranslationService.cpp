#include "language/ContextualTranslationService.h"

#include "diagnostics/QMLog.h"
#include "language/CancellablePause.h"
#include "language/LanguageModelClient.h"
#include "language/OnDeviceModelQueue.h"
#include "language/TranslationBackendSet.h"
#include "language/WordSenseChooser.h"
#include "platform/CancellationToken.h"
#include "preferences/LanguageCodes.h"
#include "preferences/TranslationPreferences.h"

#include <QCoroSignal>
#include <QCoroTimer>
#include <QElapsedTimer>
#include <QTimer>

#include <chrono>

namespace {

// A pause that a cancellation cuts short.
QCoro::Task<void> pause(std::shared_ptr<CancellationToken> cancel, int ms)
{
    if (cancel && cancel->isCancelled())
        co_return;
    // Not qCoro(signal, timeout): its queued wake-up can arrive after the timeout already
    // resumed the waiter, and then touches a timer that is gone.
    co_await CancellablePause(cancel.get(), ms);
}

qint64 elapsedMs(const QElapsedTimer& timer)
{
    return timer.elapsed();
}

} // namespace

ContextualTranslationService::ContextualTranslationService(LanguageModelClient& model, OnDeviceModelQueue& queue,
    TranslationBackendSet& backends, const TranslationPreferences& preferences, TranslationTextRules::VerbTest isVerb)
    : m_model(model)
    , m_queue(queue)
    , m_backends(backends)
    , m_preferences(preferences)
    , m_isVerb(std::move(isVerb))
{
}

bool ContextualTranslationService::isMonolingual(const LanguageDetection& detection) const
{
    if (m_preferences.mode() == TranslationMode::Monolingual)
        return true;
    const std::optional<QString> target = m_preferences.targetLanguageCode();
    if (!detection.language || !target)
        return false;
    return LanguageCodes::base(*detection.language) == LanguageCodes::base(*target);
}

std::optional<std::pair<QString, QString>> ContextualTranslationService::configuration(
    const LanguageDetection& detection, bool wordPackReady) const
{
    const std::optional<QString> target = m_preferences.targetLanguageCode();
    if (isMonolingual(detection) || !wordPackReady || !detection.language || !target)
        return std::nullopt;
    return std::make_pair(*detection.language, *target);
}

QString ContextualTranslationService::translationUnit(const QString& word, const QString& sentence) const
{
    return TranslationTextRules::translationUnit(word, sentence, m_isVerb);
}

QCoro::Task<ContextualTranslationService::PackCheck> ContextualTranslationService::checkPack(
    QString word, LanguageDetection detection)
{
    PackCheck check;
    const std::optional<QString> target = m_preferences.targetLanguageCode();
    if (isMonolingual(detection) || !detection.language || !target)
        co_return check;
    check.wordPackReady = co_await m_backends.isPairAvailable(detection.language, target);
    if (!check.wordPackReady)
        check.translatedWord = word;
    co_return check;
}

ModelSchema ContextualTranslationService::schema()
{
    return { QStringLiteral("ContextualTranslation"),
        { { QStringLiteral("sourceExpression"),
              QStringLiteral("The full phrasal verb or fixed expression the word is part of in this sentence, if "
                             "any (e.g. \"going up to\", \"give up\"); otherwise just the word itself"),
              ModelSchema::FieldType::Text },
            { QStringLiteral("translation"),
                QStringLiteral("The correct translation of sourceExpression's meaning as it applies to the word, in "
                               "the given sentence context"),
                ModelSchema::FieldType::Text } } };
}

QString ContextualTranslationService::instructions(const QString& languageName)
{
    return QStringLiteral("You translate a single word into ") + languageName
        + QStringLiteral(
            ", choosing the meaning that fits its sentence context. First check whether the word is part of a "
            "phrasal verb or fixed multi-word expression (e.g. \"going up to\" means \"reaching\", \"give up\" "
            "means \"quit\", \"look after\" means \"take care of\") — if so, translate what that expression "
            "actually means here, not a rare or literal standalone sense of the single word. Reply with only the "
            "translated word or short phrase, matching the original word's part of speech and grammatical form — "
            "not a translation of the whole sentence.");
}

QString ContextualTranslationService::prompt(const QString& sentence, const QString& word, const QString& baseline)
{
    return QStringLiteral("Sentence: ") + sentence + QLatin1Char('\n') + QStringLiteral("Word to translate: ") + word
        + QLatin1Char('\n') + QStringLiteral("Baseline translation (may be the wrong sense for this context): ")
        + baseline;
}

QString ContextualTranslationService::capped(const QString& text)
{
    return text.left(kMaxInputCharacters);
}

QString ContextualTranslationService::cacheKey(
    const QString& word, const QString& sentence, const QString& targetLanguageCode)
{
    return capped(word) + QChar(0) + capped(sentence) + QChar(0) + targetLanguageCode;
}

std::optional<QString> ContextualTranslationService::cached(const QString& key) const
{
    const QString* found = m_cache.find(key);
    if (!found)
        return std::nullopt;
    return *found;
}

QCoro::Task<QString> ContextualTranslationService::refine(QString word, QString sentence, QString baselineTranslation,
    QString targetLanguageCode, std::shared_ptr<CancellationToken> cancel)
{
    QElapsedTimer timer;
    timer.start();
    word = capped(word);
    sentence = capped(sentence);
    const QString baseline = capped(baselineTranslation);
    const QString key = cacheKey(word, sentence, targetLanguageCode);
    const auto finish = [&timer, &word](const QString& result) {
        qCDebug(lcTranslation).noquote() << QStringLiteral("refine(%1) total: %2ms").arg(word).arg(elapsedMs(timer));
        return result;
    };

    if (const std::optional<QString> hit = cached(key))
        co_return finish(*hit);
    const LanguageModelClient::Availability available = co_await m_model.availability();
    if (!available.isAvailable || sentence.isEmpty())
        co_return finish(baseline);

    const QString instructionsText = instructions(LanguageCodes::englishName(targetLanguageCode));
    const QString promptText = prompt(sentence, word, baseline);
    OnDeviceModelQueue::Operation operation
        = [this, key, instructionsText, promptText, baseline, cancel](
              std::shared_ptr<CancellationToken> token) -> QCoro::Task<std::optional<QString>> {
        // The caller's cancellation reaches the request through the queue's token.
        QMetaObject::Connection forward;
        if (cancel && token) {
            if (cancel->isCancelled())
                token->cancel();
            forward = QObject::connect(
                cancel.get(), &CancellationToken::cancelled, token.get(), &CancellationToken::cancel);
        }
        const bool cancelled = token && token->isCancelled();
        const LanguageModelClient::Result answer
            = co_await m_model.respond(instructionsText, promptText, schema(), token, kRefinementMaxTokens);
        QObject::disconnect(forward);
        if (const auto* record = std::get_if<QJsonObject>(&answer)) {
            const QString translation = record->value(QStringLiteral("translation")).toString().trimmed();
            const qsizetype words = translation.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
            const QString chosen = !translation.isEmpty() && words <= kMaxRefinementWords ? translation : baseline;
            m_cache.insert(key, chosen);
            co_return chosen;
        }
        const auto& error = std::get<LanguageModelClient::Error>(answer);
        switch (error.kind) {
        case LanguageModelClient::ErrorKind::GuardrailViolation:
            qCDebug(lcTranslation) << "Blocked by safety guardrail, using baseline";
            m_cache.insert(key, baseline);
            break;
        case LanguageModelClient::ErrorKind::Refusal:
            qCDebug(lcTranslation) << "Model refused to answer, using baseline";
            m_cache.insert(key, baseline);
            break;
        case LanguageModelClient::ErrorKind::OtherGeneration:
            qCCritical(lcTranslation).noquote() << QStringLiteral("Refinement failed: %1").arg(error.description);
            break;
        case LanguageModelClient::ErrorKind::Other:
            // A superseded refinement is an everyday event, not a failure worth an error line.
            if (cancelled || (token && token->isCancelled()))
                qCDebug(lcTranslation).noquote()
                    << QStringLiteral("Refinement canceled or failed: %1").arg(error.description);
            else
                qCCritical(lcTranslation).noquote()
                    << QStringLiteral("Refinement canceled or failed: %1").arg(error.description);
            break;
        }
        co_return baseline;
    };
    const std::optional<QString> refined = co_await m_queue.run(std::move(operation));
    co_return finish(refined.value_or(baseline));
}

QCoro::Task<ContextualTranslationService::WordTranslationState> ContextualTranslationService::translateWord(
    QString word, QString sentence, QString source, QString target, std::shared_ptr<CancellationToken> cancel,
    Publish publish)
{
    WordTranslationState state;
    const auto show = [&state, &publish] {
        if (publish)
            publish(state);
    };
    const QString unit = translationUnit(word, sentence);
    QElapsedTimer timer;
    timer.start();

    // The dictionary's senses come at once; the plain translation of the unit only when no
    // dictionary has it. A unit that took in a neighbouring word ("match on") and has no entry
    // is looked up as the word alone.
    QString looked = unit;
    QStringList senses = co_await m_backends.senses(unit, source, target);
    if (senses.isEmpty() && unit.compare(word, Qt::CaseInsensitive) != 0) {
        senses = co_await m_backends.senses(word, source, target);
        if (!senses.isEmpty())
            looked = word;
    }
    std::optional<QString> baseline = senses.isEmpty() ? std::nullopt : std::optional<QString>(senses.first());
    if (!baseline) {
        const TranslationBackend::Result plain = co_await m_backends.translate(unit, source, target);
        if (plain.ok())
            baseline = *plain.text;
        else
            qCCritical(lcTranslation).noquote() << QStringLiteral("Word translation failed: %1").arg(plain.error);
    }
    if (baseline) {
        qCDebug(lcTranslation).noquote() << QStringLiteral("session.translate(word) took %1ms").arg(elapsedMs(timer));
        state.translatedWord = *baseline;
        show();
    }

    // The sentence, and what the sentence translator made of the word in it.
    std::optional<QString> marked;
    if (!sentence.isEmpty()) {
        const TranslationBackend::Result translated = co_await m_backends.translate(sentence, source, target);
        if (translated.ok())
            state.translatedSentence = *translated.text;
        else
            qCCritical(lcTranslation).noquote()
                << QStringLiteral("Sentence translation failed: %1").arg(translated.error);
        const qsizetype at = sentence.indexOf(looked, 0, Qt::CaseInsensitive);
        if (at >= 0)
            marked = co_await m_backends.markedReading(sentence, at, looked.size(), source, target);
    }

    WordSenseChooser::Context context;
    context.targetLanguage = target;
    context.word = looked;
    context.sentenceTranslation = state.translatedSentence;
    context.markedTranslation = marked;
    if (LanguageCodes::base(source) == QLatin1String("en") && m_isVerb)
        context.isVerb = m_isVerb(word, sentence);
    const QStringList candidates = senses.isEmpty() && baseline ? QStringList { *baseline } : senses;
    if (marked && !senses.isEmpty() && std::ranges::none_of(senses, [&marked](const QString& sense) {
            return WordSenseChooser::occursIn(sense, *marked);
        }))
        context.isolatedReading = co_await m_backends.isolatedReading(looked, source, target);
    const std::optional<WordSenseChooser::Choice> choice = WordSenseChooser::choose(candidates, context);
    if (!choice) {
        state.translatedWord = word;
        state.translationFailed = true;
        show();
        co_return state;
    }
    static const char* const bases[] = { "its sentence's translation", "the sentence translator's reading",
        "the part of speech", "the first sense" };
    qCDebug(lcTranslation).noquote()
        << QStringLiteral("Word sense \"%1\" by %2, among [%3]; marked: %4")
               .arg(choice->translation, QLatin1String(bases[int(choice->basis)]),
                   candidates.join(QStringLiteral(", ")), marked.value_or(QStringLiteral("-")));
    state.translatedWord = choice->translation;
    state.otherSenses = choice->otherSenses;
    show();

    QString refined = choice->translation;
    const std::optional<QString> targetPreference = m_preferences.targetLanguageCode();
    if (!sentence.isEmpty() && !TranslationTextRules::looksLikeUILabel(sentence) && targetPreference) {
        co_await pause(cancel, kRefinementDelayMs);
        if (!cancel || !cancel->isCancelled()) {
            state.isRefiningTranslation = true;
            show();
            refined = co_await refine(word, sentence, choice->translation, *targetPreference, cancel);
            state.translatedWord = refined;
            state.isRefiningTranslation = false;
            show();
        }
    }
    qCDebug(lcTranslation).noquote() << QStringLiteral("Translation: \"%1\" → \"%2\"").arg(unit, refined);
    if (unit.compare(refined, Qt::CaseInsensitive) == 0) {
        qCDebug(lcTranslation) << "Translation unchanged — treating as a non-translation";
        state.translatedWord = word;
        state.translationFailed = true;
        state.otherSenses.clear();
        show();
    }
    co_return state;
}
