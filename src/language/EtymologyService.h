#pragma once

#include "language/EtymologyResult.h"
#include "language/LruCache.h"
#include "language/ModelSchema.h"

#include <QCoroTask>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class CancellationToken;
class LanguageModelClient;

// A short and a full etymology of a word or short phrase, written by the local language model in
// the learner's target language, so the card shows it as it is. Results and refusals are kept for
// the whole run; failures and cancellations are not, so a later card can try again.
class EtymologyService
{
public:
    static constexpr int kMaxInputCharacters = 2000;
    // Two short texts inside a small JSON record; a model that rambles on is cut off.
    static constexpr int kMaxTokens = 400;
    // Longer units are selections, not words or phrases with an origin of their own.
    static constexpr int kMaxUnitWords = 4;

    explicit EtymologyService(LanguageModelClient& model);

    // The etymology of `unit` (the word or phrase the card translates), or nothing when the
    // model cannot give one. Never fails. Codes are base language codes.
    QCoro::Task<std::optional<EtymologyResult>> generate(QString unit, QString sentence, QString languageCode,
        QString targetLanguageCode, std::shared_ptr<CancellationToken> cancel = nullptr);

    // Whether `unit` is a word or short phrase worth an etymology (not a sentence or more).
    static bool isEligible(const QString& unit);

    static ModelSchema schema();
    static QString instructions(const QString& languageName, const QString& targetLanguageName);
    static QString prompt(const QString& unit, const QString& sentence, const QString& languageName);
    static QString cacheKey(const QString& unit, const QString& languageCode, const QString& targetLanguageCode);

private:
    LanguageModelClient& m_model;
    // A refusal is kept as nullopt: asking again gets the same answer from a greedy model.
    LruCache<QString, std::optional<EtymologyResult>> m_cache;
};
