#include "language/EtymologyService.h"

#include "diagnostics/QMLog.h"
#include "language/EtymologyDisplay.h"
#include "language/LanguageModelClient.h"
#include "language/TranslationTextRules.h"
#include "platform/CancellationToken.h"
#include "preferences/LanguageCodes.h"

#include <QElapsedTimer>
#include <QRegularExpression>

EtymologyService::EtymologyService(LanguageModelClient& model)
    : m_model(model)
{
}

bool EtymologyService::isEligible(const QString& unit)
{
    const QString trimmed = unit.trimmed();
    const qsizetype words = TranslationTextRules::tokens(trimmed).size();
    if (words == 0 || words > kMaxUnitWords || trimmed.contains(QLatin1Char('\n')))
        return false;
    // A sentence end inside the text means two sentences, not a phrase ("Go. Now.").
    static const QRegularExpression innerSentenceEnd(QStringLiteral("[.!?…。！？][^.!?…。！？]"));
    return !trimmed.contains(innerSentenceEnd);
}

ModelSchema EtymologyService::schema()
{
    return EtymologyDisplay::generatedEtymologySchema();
}

QString EtymologyService::instructions(const QString& languageName, const QString& targetLanguageName)
{
    return QStringLiteral("You explain where words come from, for a language learner. The word or phrase is in ")
        + languageName + QStringLiteral(". Write both the short and the full etymology in ") + targetLanguageName
        + QStringLiteral(
            ", whatever the language of the word. The sentence is given only to show which word is meant when "
            "several words share this spelling; explain the origin of the word, not the sentence. Explain the "
            "dictionary form of an inflected word. State only what is known about the word's history; where its "
            "origin is uncertain, say so instead of inventing forms, dates or roots. For a personal name, a brand or "
            "a text that is not a word of the language, say briefly what it is.");
}

QString EtymologyService::prompt(const QString& unit, const QString& sentence, const QString& languageName)
{
    QString text = QStringLiteral("Language: ") + languageName + QLatin1Char('\n');
    if (!sentence.isEmpty())
        text += QStringLiteral("Sentence: ") + sentence + QLatin1Char('\n');
    return text + QStringLiteral("Word: ") + unit;
}

QString EtymologyService::cacheKey(const QString& unit, const QString& languageCode, const QString& targetLanguageCode)
{
    return unit + QChar(0) + languageCode + QChar(0) + targetLanguageCode;
}

QCoro::Task<std::optional<EtymologyResult>> EtymologyService::generate(QString unit, QString sentence,
    QString languageCode, QString targetLanguageCode, std::shared_ptr<CancellationToken> cancel)
{
    unit = unit.trimmed().left(kMaxInputCharacters);
    sentence = sentence.left(kMaxInputCharacters);
    const QString key = cacheKey(unit, languageCode, targetLanguageCode);
    if (const auto* found = m_cache.find(key))
        co_return *found;

    const LanguageModelClient::Availability available = co_await m_model.availability();
    if (!available.isAvailable) {
        qCDebug(lcEtymology).noquote() << QStringLiteral("On-device model unavailable: %1").arg(available.reason);
        co_return std::nullopt;
    }
    // A card replaced while the server was asked never reaches the model.
    if (cancel && cancel->isCancelled())
        co_return std::nullopt;
    QElapsedTimer timer;
    timer.start();
    const QString name = LanguageCodes::englishName(languageCode);
    const QString targetName = LanguageCodes::englishName(targetLanguageCode);
    const LanguageModelClient::Result answer = co_await m_model.respond(
        instructions(name, targetName), prompt(unit, sentence, name), schema(), std::move(cancel), kMaxTokens);
    if (const auto* record = std::get_if<QJsonObject>(&answer)) {
        qCDebug(lcEtymology).noquote() << QStringLiteral("Generation took %1ms").arg(timer.elapsed());
        const QString shortText = record->value(QStringLiteral("short")).toString().trimmed();
        const QString fullText = record->value(QStringLiteral("full")).toString().trimmed();
        if (shortText.isEmpty() && fullText.isEmpty())
            co_return std::nullopt;
        // A model that fills only one field still gives a card something to show either way.
        const EtymologyResult result { EtymologyResult::Generated {
            shortText.isEmpty() ? fullText : shortText, fullText.isEmpty() ? shortText : fullText } };
        m_cache.insert(key, result);
        co_return result;
    }
    const auto& error = std::get<LanguageModelClient::Error>(answer);
    switch (error.kind) {
    case LanguageModelClient::ErrorKind::GuardrailViolation:
        qCDebug(lcEtymology) << "Blocked by safety guardrail";
        break;
    case LanguageModelClient::ErrorKind::Refusal:
        qCDebug(lcEtymology) << "Model refused to answer";
        m_cache.insert(key, std::nullopt);
        break;
    case LanguageModelClient::ErrorKind::OtherGeneration:
        qCCritical(lcEtymology).noquote() << QStringLiteral("Generation failed: %1").arg(error.description);
        break;
    case LanguageModelClient::ErrorKind::Other:
        qCCritical(lcEtymology).noquote() << QStringLiteral("Generation canceled or failed: %1").arg(error.description);
        break;
    }
    co_return std::nullopt;
}
