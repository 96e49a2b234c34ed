#pragma once

#include "language/HttpFetch.h"
#include "language/Illustration.h"

#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QObject>

#include <optional>

class DefaultsStore;

// A picture drawn for the word by a local image server with the OpenAI-compatible images API
// ("image.generation.url", off while empty). A failed creation is tried once more after 1.5 s.
class GeneratedImageService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kUrlKey = QStringLiteral("image.generation.url");
    static inline const QString kModelKey = QStringLiteral("image.generation.model");
    static constexpr int kRetryDelayMs = 1500;
    static constexpr int kDefaultTimeoutMs = 120'000;

    explicit GeneratedImageService(const DefaultsStore& settings, QObject* parent = nullptr);

    // Never fails: nullopt when generation is off or does not produce a picture.
    QCoro::Task<std::optional<Illustration>> generateImage(QString word, QString sentence);

    static QString conceptText(const QString& word, const QString& sentence);
    void setTimingForTesting(int timeoutMs, int retryDelayMs);

private:
    enum class Failure { None, CreationFailed, GeneratorError, Other };
    struct Attempt
    {
        std::optional<Illustration> image;
        Failure failure = Failure::None;
        QString description;
    };

    QCoro::Task<Attempt> attempt(QUrl endpoint, QByteArray body);
    QUrl endpoint() const;
    QByteArray requestBody(const QString& word, const QString& sentence) const;

    const DefaultsStore& m_settings;
    QNetworkAccessManager m_network;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_retryDelayMs = kRetryDelayMs;
};
