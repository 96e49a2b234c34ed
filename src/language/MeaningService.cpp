#include "language/MeaningService.h"

#include "diagnostics/QMLog.h"
#include "language/LanguageModelClient.h"
#include "preferences/LanguageCodes.h"

#include <QElapsedTimer>

MeaningService::MeaningService(LanguageModelClient& model)
    : m_model(model)
{
}

ModelSchema MeaningService::schema()
{
    return { QStringLiteral("WordMeaning"),
        { { QStringLiteral("expression"),
              QStringLiteral("The full phrasal verb or fixed expression the word is part of in this sentence, if "
                             "any; otherwise just the word itself"),
              ModelSchema::FieldType::Text },
            { QStringLiteral("meaning"),
                QStringLiteral("A short, simple, learner-friendly monolingual dictionary-style definition of the "
                               "expression's meaning as used in this sentence, written in the same language as the "
                               "word itself — never translated into another language"),
                ModelSchema::FieldType::Text } } };
}

QString MeaningService::instructions(const QString& languageName)
{
    return QStringLiteral("You explain the meaning of a single word in ") + languageName
        + QStringLiteral(", for a language learner, writing the explanation in ") + languageName
        + QStringLiteral(
            " itself — never translate into another language. First check whether the word is part of a phrasal "
            "verb or fixed multi-word expression — if so, explain what that expression means here, not a rare or "
            "literal standalone sense of the single word. Keep the explanation short, like a learner's dictionary "
            "entry, and specific to how the word is used in the given sentence.");
}

QString MeaningService::prompt(const QString& word, const QString& sentence)
{
    if (sentence.isEmpty())
        return QStringLiteral("Word: ") + word;
    return QStringLiteral("Sentence: ") + sentence + QLatin1Char('\n') + QStringLiteral("Word to explain: ") + word;
}

QString MeaningService::cacheKey(const QString& word, const QString& sentence, const QString& languageCode)
{
    return word.left(kMaxInputCharacters) + QChar(0) + sentence.left(kMaxInputCharacters) + QChar(0) + languageCode;
}

QCoro::Task<std::optional<QString>> MeaningService::generate(QString word, QString sentence, QString languageCode)
{
    word = word.left(kMaxInputCharacters);
    sentence = sentence.left(kMaxInputCharacters);
    const QString key = cacheKey(word, sentence, languageCode);
    if (const QString* found = m_cache.find(key))
        co_return *found;

    const LanguageModelClient::Availability available = co_await m_model.availability();
    if (!available.isAvailable) {
        qCInfo(lcMeaning).noquote() << QStringLiteral("On-device model unavailable: %1").arg(available.reason);
        co_return std::nullopt;
    }
    const QString name = LanguageCodes::englishName(languageCode);
    QElapsedTimer timer;
    timer.start();
    const LanguageModelClient::Result answer
        = co_await m_model.respond(instructions(name), prompt(word, sentence), schema(), nullptr, kMaxTokens);
    if (const auto* record = std::get_if<QJsonObject>(&answer)) {
        qCDebug(lcMeaning).noquote() << QStringLiteral("Generation took %1ms").arg(timer.elapsed());
        const QString meaning = record->value(QStringLiteral("meaning")).toString().trimmed();
        if (meaning.isEmpty())
            co_return std::nullopt;
        m_cache.insert(key, meaning);
        co_return meaning;
    }
    const auto& error = std::get<LanguageModelClient::Error>(answer);
    switch (error.kind) {
    case LanguageModelClient::ErrorKind::GuardrailViolation:
        qCDebug(lcMeaning) << "Blocked by safety guardrail";
        break;
    case LanguageModelClient::ErrorKind::Refusal:
        qCDebug(lcMeaning) << "Model refused to answer";
        break;
    case LanguageModelClient::ErrorKind::OtherGeneration:
        qCCritical(lcMeaning).noquote() << QStringLiteral("Generation failed: %1").arg(error.description);
        break;
    case LanguageModelClient::ErrorKind::Other:
        qCCritical(lcMeaning).noquote() << QStringLiteral("Generation canceled or failed: %1").arg(error.description);
        break;
    }
    co_return std::nullopt;
}
