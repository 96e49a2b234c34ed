#include "language/ModelTranslator.h"

#include "language/LanguageModelClient.h"
#include "preferences/LanguageCodes.h"
#include "preferences/SupportedLanguages.h"

#include <QPointer>

ModelTranslator::ModelTranslator(LanguageModelClient& client)
    : m_client(client)
{
}

ModelSchema ModelTranslator::schema()
{
    return { QStringLiteral("Translation"),
        { { QStringLiteral("translation"), QStringLiteral("The translation of the whole text"),
            ModelSchema::FieldType::Text } } };
}

QString ModelTranslator::instructions(const QString& source, const QString& target)
{
    return QStringLiteral("You translate text from ") + SupportedLanguages::englishName(LanguageCodes::base(source))
        + QStringLiteral(" into ") + SupportedLanguages::englishName(LanguageCodes::base(target))
        + QStringLiteral(". Reply with only the translation of the whole text, keeping its meaning, tone and "
                         "punctuation; add no explanations.");
}

int ModelTranslator::maxTokens(const QString& text)
{
    // About one token per character in the worst scripts, plus the JSON around the answer.
    return std::min(4096, 48 + 2 * static_cast<int>(text.size()));
}

bool ModelTranslator::accepts(const QString& text) const
{
    return !text.trimmed().isEmpty();
}

QCoro::Task<bool> ModelTranslator::supports(QString source, QString target)
{
    if (LanguageCodes::base(source).isEmpty() || LanguageCodes::base(source) == LanguageCodes::base(target))
        co_return false;
    const LanguageModelClient::Availability available = co_await m_client.availability();
    co_return available.isAvailable;
}

QCoro::Task<TranslationBackend::Result> ModelTranslator::translate(QString text, QString source, QString target)
{
    const QString input = text.left(kMaxInputCharacters);
    const LanguageModelClient::Result answer
        = co_await m_client.respond(instructions(source, target), input, schema(), nullptr, maxTokens(input));
    if (const auto* error = std::get_if<LanguageModelClient::Error>(&answer))
        co_return Result::failure(QStringLiteral("language model: ") + error->description);
    const QString translation = std::get<QJsonObject>(answer).value(QStringLiteral("translation")).toString().trimmed();
    if (translation.isEmpty())
        co_return Result::failure(QStringLiteral("language model: empty translation"));
    co_return Result::success(translation);
}
