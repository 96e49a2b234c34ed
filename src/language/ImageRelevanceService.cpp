#include "language/ImageRelevanceService.h"

#include "diagnostics/QMLog.h"
#include "language/LanguageModelClient.h"

#include <QStringList>

ImageRelevanceService::ImageRelevanceService(LanguageModelClient& model)
    : m_model(model)
{
}

QString ImageRelevanceService::instructions()
{
    return QStringLiteral(
        "You judge whether a Wikipedia image is a good illustration for a vocabulary flashcard for language learners.");
}

QString ImageRelevanceService::prompt(const QString& word, const QString& sentence, const QString& description)
{
    QStringList lines { QStringLiteral("Word: ") + word };
    if (!sentence.isEmpty())
        lines << QStringLiteral("Context sentence: ") + sentence;
    lines << QStringLiteral("Wikipedia article description: ") + description;
    return lines.join(QLatin1Char('\n'));
}

ModelSchema ImageRelevanceService::schema()
{
    return { QStringLiteral("ImageRelevanceCheck"),
        { { QStringLiteral("isRelevant"),
            QStringLiteral("Whether the image plausibly illustrates the word's meaning in this context"),
            ModelSchema::FieldType::Boolean } } };
}

QCoro::Task<bool> ImageRelevanceService::isRelevant(QString word, QString sentence, QString imageDescription)
{
    if (imageDescription.isEmpty())
        co_return true;
    const LanguageModelClient::Availability availability = co_await m_model.availability();
    if (!availability.isAvailable)
        co_return true;
    const ModelSchema record = schema();
    const LanguageModelClient::Result result
        = co_await m_model.respond(instructions(), prompt(word, sentence, imageDescription), record);
    if (const auto* error = std::get_if<LanguageModelClient::Error>(&result)) {
        qCCritical(lcImage).noquote() << "Relevance check failed:" << error->description;
        co_return true;
    }
    co_return std::get<QJsonObject>(result).value(QStringLiteral("isRelevant")).toBool(true);
}
