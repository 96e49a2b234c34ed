#pragma once

#include "language/ModelSchema.h"
#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <memory>
#include <variant>

class CancellationToken;
class DefaultsStore;

// The local language model behind an OpenAI-compatible chat API (llama-server, Ollama,
// LM Studio, vLLM, LocalAI). One request per answer: the instructions as the system message,
// the prompt as the user message, the record's JSON schema as structured output, greedy decoding.
class LanguageModelClient : public QObject
{
    Q_OBJECT
public:
    static inline const QString kBaseUrlKey = QStringLiteral("languageModel.baseURL");
    static inline const QString kModelKey = QStringLiteral("languageModel.model");
    static inline const QString kTimeoutKey = QStringLiteral("languageModel.timeoutSeconds");
    static inline const QString kDefaultBaseUrl = QStringLiteral("http://127.0.0.1:11434/v1");
    static constexpr int kDefaultTimeoutSeconds = 60;
    static constexpr int kConnectTimeoutMs = 2000;
    static constexpr int kSeed = 42;

    struct Availability
    {
        bool isAvailable = false;
        QString model; // the model that answers requests
        QString reason; // why not, for the log
    };

    enum class ErrorKind { GuardrailViolation, Refusal, OtherGeneration, Other };
    struct Error
    {
        ErrorKind kind;
        QString description;
    };
    using Result = std::variant<QJsonObject, Error>;

    explicit LanguageModelClient(const DefaultsStore& settings, QObject* parent = nullptr);

    // Asks the server which models it serves; an answer is kept for a short while.
    QCoro::Task<Availability> availability();
    // One structured answer. `cancel` may be null. `maxTokens` > 0 bounds the answer's length so
    // that a model that rambles is cut off (and the answer counts as failed) instead of running on.
    // `deadline` > 0 replaces the configured time-out of the whole exchange.
    QCoro::Task<Result> respond(QString instructions, QString prompt, ModelSchema schema,
        std::shared_ptr<CancellationToken> cancel = nullptr, int maxTokens = 0,
        std::chrono::milliseconds deadline = std::chrono::milliseconds::zero());

    // The configured server address (the base of the API paths).
    QUrl baseUrl() const { return endpoint(QString()); }

    // The request body, as it is sent.
    static QJsonObject requestBody(const QString& model, const QString& instructions, const QString& prompt,
        const ModelSchema& schema, int maxTokens = 0);
    // Sorts an answer (status, body) into a record or one of the four failures.
    static Result classify(int httpStatus, const QByteArray& body, const ModelSchema& schema);

private:
    void forgetAvailability() { m_checkedAt = {}; }
    QUrl endpoint(const QString& path) const;
    QString configuredModel() const;
    HttpClient::Options exchangeLimits(std::chrono::milliseconds deadline = std::chrono::milliseconds::zero()) const;

    const DefaultsStore& m_settings;
    HttpClient m_http;
    Availability m_cached;
    QDateTime m_checkedAt;
};
