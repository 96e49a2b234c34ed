#pragma once

#include "language/LanguageDetection.h"
#include "language/LruCache.h"
#include "language/ModelSchema.h"
#include "language/TranslationTextRules.h"

#include <QCoroTask>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class CancellationToken;
class LanguageModelClient;
class OnDeviceModelQueue;
class TranslationBackendSet;
class TranslationPreferences;

// A translation of the captured word that fits its sentence: the offline back-ends give a
// baseline, and the local language model picks the sense the sentence needs.
class ContextualTranslationService
{
public:
    // Longer words and sentences are cut here before they reach a prompt or a cache key: a
    // captured "sentence" can be a whole page of text.
    static constexpr int kMaxInputCharacters = 2000;
    // A refinement is a word or a short phrase inside a small JSON record.
    static constexpr int kRefinementMaxTokens = 96;
    // Longer model answers are a translated sentence rather than a word.
    static constexpr int kMaxRefinementWords = 6;
    static constexpr int kRefinementDelayMs = 100;

    // What the lookup panel shows of the word's translation while the run proceeds.
    struct WordTranslationState
    {
        QString translatedWord;
        bool translationFailed = false;
        bool isRefiningTranslation = false;
        std::optional<QString> translatedSentence;
        // The dictionary's other translations of the word, at most three.
        QStringList otherSenses;

        bool operator==(const WordTranslationState&) const = default;
    };
    using Publish = std::function<void(const WordTranslationState&)>;

    struct PackCheck
    {
        bool wordPackReady = false;
        // Set when no translation will run: the captured word stands in for it.
        std::optional<QString> translatedWord;
    };

    ContextualTranslationService(LanguageModelClient& model, OnDeviceModelQueue& queue, TranslationBackendSet& backends,
        const TranslationPreferences& preferences, TranslationTextRules::VerbTest isVerb);

    // True when no translation is wanted: monolingual mode, or the text is already in the target language.
    bool isMonolingual(const LanguageDetection& detection) const;
    // The (source, target) pair to translate with; absent when nothing is to be translated.
    std::optional<std::pair<QString, QString>> configuration(
        const LanguageDetection& detection, bool wordPackReady) const;
    QString translationUnit(const QString& word, const QString& sentence) const;

    // Whether the pair of this capture can be translated; runs once when the panel is shown.
    QCoro::Task<PackCheck> checkPack(QString word, LanguageDetection detection);

    // The refined translation, or the baseline when the model cannot help. Never fails.
    // `cancel` (may be null): the caller's cancellation, which stops the model request as a newer
    // refinement would.
    QCoro::Task<QString> refine(QString word, QString sentence, QString baselineTranslation, QString targetLanguageCode,
        std::shared_ptr<CancellationToken> cancel = nullptr);

    // Translates the capture's unit and sentence from `source` into `target`, refining the unit's
    // translation, and publishes each step. `cancel` (may be null) is the panel's: a new capture.
    QCoro::Task<WordTranslationState> translateWord(QString word, QString sentence, QString source, QString target,
        std::shared_ptr<CancellationToken> cancel, Publish publish);

    static ModelSchema schema();
    static QString instructions(const QString& languageName);
    static QString prompt(const QString& sentence, const QString& word, const QString& baseline);
    // word NUL sentence NUL target, from the capped inputs.
    static QString cacheKey(const QString& word, const QString& sentence, const QString& targetLanguageCode);
    static QString capped(const QString& text);

private:
    std::optional<QString> cached(const QString& key) const;

    LanguageModelClient& m_model;
    OnDeviceModelQueue& m_queue;
    TranslationBackendSet& m_backends;
    const TranslationPreferences& m_preferences;
    TranslationTextRules::VerbTest m_isVerb;
    mutable LruCache<QString, QString> m_cache;
};
