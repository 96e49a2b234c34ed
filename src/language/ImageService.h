#pragma once

#include "language/Illustration.h"
#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QObject>

#include <optional>

class DefaultsStore;
class ImageRelevanceService;

// The lead picture of the English encyclopedia article named like the word, kept only when the
// language model finds it fits the word in its sentence.
class ImageService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kBaseUrlKey = QStringLiteral("encyclopedia.baseURL");
    static inline const QString kDefaultBaseUrl = QStringLiteral("https://en.wikipedia.org");

    ImageService(const DefaultsStore& settings, ImageRelevanceService& relevance, QObject* parent = nullptr);

    // Never fails: nullopt when there is no fitting picture.
    QCoro::Task<std::optional<Illustration>> fetchWikipediaImage(QString word, QString sentence);

private:
    QUrl summaryUrl(const QString& word) const;

    const DefaultsStore& m_settings;
    ImageRelevanceService& m_relevance;
    HttpClient m_http;
};
