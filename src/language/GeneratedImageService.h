#pragma once

#include "language/Illustration.h"
#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QObject>

#include <chrono>
#include <optional>

class DefaultsStore;

struct GeneratedImageOptions
{
    // Drawing a picture on a desktop machine takes a while.
    std::chrono::milliseconds timeout { 120'000 };
    std::chrono::milliseconds retryDelay { 1'500 };
};

// A picture drawn for the word by a local image server with the OpenAI-compatible images API
// ("image.generation.url", off while empty). A failed creation is tried once more after a pause.
class GeneratedImageService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kUrlKey = QStringLiteral("image.generation.url");
    static inline const QString kModelKey = QStringLiteral("image.generation.model");
    using Options = GeneratedImageOptions;

    explicit GeneratedImageService(const DefaultsStore& settings, Options options = {}, QObject* parent = nullptr);

    // Never fails: nullopt when generation is off or does not produce a picture.
    QCoro::Task<std::optional<Illustration>> generateImage(QString word, QString sentence);

    static QString conceptText(const QString& word, const QString& sentence);

private:
    enum class Failure { None, CreationFailed, GeneratorError, Other };
    struct Attempt
    {
        std::optional<Illustration> image;
        Failure failure = Failure::None;
        QString description;
    };

    QCoro::Task<Attempt> attempt(QUrl endpoint, QByteArray body);
    static Attempt judged(const HttpClient::Response& answer);
    QUrl endpoint() const;
    QByteArray requestBody(const QString& word, const QString& sentence) const;

    const DefaultsStore& m_settings;
    Options m_options;
    HttpClient m_http;
};
