#include "language/LanguageModelClient.h"

#include "diagnostics/QMLog.h"
#include "platform/CancellationToken.h"
#include "preferences/DefaultsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>

namespace {

// An available model is trusted for a minute; after a failure the server is asked again soon.
constexpr int kAvailableCacheSeconds = 60;
constexpr int kUnavailableCacheSeconds = 5;

bool mentionsContentFilter(const QString& text)
{
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("content filter")) || lower.contains(QLatin1String("content_filter"))
        || lower.contains(QLatin1String("content policy"));
}

QString errorMessage(const QJsonObject& body)
{
    const QJsonValue error = body.value(QStringLiteral("error"));
    if (error.isObject())
        return error.toObject().value(QStringLiteral("message")).toString();
    return error.toString();
}

} // namespace

LanguageModelClient::LanguageModelClient(const DefaultsStore& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
{
}

QUrl LanguageModelClient::endpoint(const QString& path) const
{
    QString base = m_settings.string(kBaseUrlKey).value_or(kDefaultBaseUrl);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + path);
}

QString LanguageModelClient::configuredModel() const
{
    return m_settings.string(kModelKey).value_or(QString()).trimmed();
}

HttpClient::Options LanguageModelClient::exchangeLimits(std::chrono::milliseconds deadline) const
{
    // A server that is not there is known at once; a model may think for as long as the user allows.
    HttpClient::Options limits;
    limits.connectTimeout = std::chrono::milliseconds(kConnectTimeoutMs);
    limits.deadline = std::chrono::seconds(m_settings.integer(kTimeoutKey, 1, 3600).value_or(kDefaultTimeoutSeconds));
    if (deadline > std::chrono::milliseconds::zero())
        limits.deadline = deadline;
    return limits;
}

QCoro::Task<LanguageModelClient::Availability> LanguageModelClient::availability()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int keep = m_cached.isAvailable ? kAvailableCacheSeconds : kUnavailableCacheSeconds;
    if (m_checkedAt.isValid() && m_checkedAt.secsTo(now) < keep)
        co_return Availability(m_cached); // a copy: the task would move from the member

    QPointer<LanguageModelClient> self(this);
    const HttpClient::Request request = HttpClient::Request::get(endpoint(QStringLiteral("/models")));
    const HttpClient::Response answer = co_await m_http.send(request, exchangeLimits());
    if (!self)
        co_return Availability { false, {}, QStringLiteral("shutting down") };
    Availability result;
    if (!answer.answered()) {
        result.reason = QStringLiteral("model server unreachable: ") + answer.failure;
    } else if (answer.status != 200) {
        result.reason = QStringLiteral("model server answered HTTP %1").arg(answer.status);
    } else {
        QStringList models;
        for (const QJsonValue& entry :
            QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("data")).toArray())
            models << entry.toObject().value(QStringLiteral("id")).toString();
        models.removeAll(QString());
        const QString wanted = configuredModel();
        if (models.isEmpty())
            result.reason = QStringLiteral("the model server lists no models");
        else if (!wanted.isEmpty() && !models.contains(wanted))
            result.reason = QStringLiteral("model \"%1\" is not served (served: %2)")
                                .arg(wanted, models.join(QStringLiteral(", ")));
        else
            result = { true, wanted.isEmpty() ? models.first() : wanted, {} };
    }
    if (!result.isAvailable)
        qCInfo(lcTranslation).noquote() << "Language model unavailable:" << result.reason;
    m_cached = result;
    m_checkedAt = QDateTime::currentDateTimeUtc();
    co_return result;
}

QJsonObject LanguageModelClient::requestBody(
    const QString& model, const QString& instructions, const QString& prompt, const ModelSchema& schema, int maxTokens)
{
    const QJsonArray messages {
        QJsonObject {
            { QStringLiteral("role"), QStringLiteral("system") }, { QStringLiteral("content"), instructions } },
        QJsonObject { { QStringLiteral("role"), QStringLiteral("user") }, { QStringLiteral("content"), prompt } },
    };
    QJsonObject body { { QStringLiteral("model"), model }, { QStringLiteral("messages"), messages },
        { QStringLiteral("temperature"), 0 }, { QStringLiteral("top_k"), 1 }, { QStringLiteral("seed"), kSeed },
        { QStringLiteral("stream"), false }, { QStringLiteral("response_format"), schema.responseFormat() } };
    if (maxTokens > 0)
        body.insert(QStringLiteral("max_tokens"), maxTokens);
    return body;
}

LanguageModelClient::Result LanguageModelClient::classify(
    int httpStatus, const QByteArray& body, const ModelSchema& schema)
{
    const QJsonObject answer = QJsonDocument::fromJson(body).object();
    if (httpStatus < 200 || httpStatus >= 300) {
        const QString message = errorMessage(answer);
        const QString description = QStringLiteral("HTTP %1: %2")
                                        .arg(httpStatus)
                                        .arg(message.isEmpty() ? QString::fromUtf8(body.left(200)) : message);
        if (mentionsContentFilter(message))
            return Error { ErrorKind::GuardrailViolation, description };
        return Error { ErrorKind::OtherGeneration, description };
    }
    const QJsonObject choice = answer.value(QStringLiteral("choices")).toArray().first().toObject();
    const QString finish = choice.value(QStringLiteral("finish_reason")).toString();
    const QJsonObject message = choice.value(QStringLiteral("message")).toObject();
    if (finish == QLatin1String("content_filter"))
        return Error { ErrorKind::GuardrailViolation, QStringLiteral("the answer was stopped by a content filter") };
    const QJsonValue refusal = message.value(QStringLiteral("refusal"));
    if (refusal.isString() && !refusal.toString().isEmpty())
        return Error { ErrorKind::Refusal, refusal.toString() };
    if (finish == QLatin1String("length"))
        return Error { ErrorKind::OtherGeneration, QStringLiteral("the answer was cut off at the length limit") };
    if (choice.isEmpty() || !message.value(QStringLiteral("content")).isString())
        return Error { ErrorKind::OtherGeneration, QStringLiteral("the server sent no answer") };
    QJsonParseError parseError {};
    const QJsonDocument content
        = QJsonDocument::fromJson(message.value(QStringLiteral("content")).toString().toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !content.isObject())
        return Error { ErrorKind::OtherGeneration, QStringLiteral("the answer is not a JSON object") };
    if (!schema.validates(content.object()))
        return Error { ErrorKind::OtherGeneration,
            QStringLiteral("the answer does not match the %1 schema").arg(schema.typeName) };
    return content.object();
}

QCoro::Task<LanguageModelClient::Result> LanguageModelClient::respond(QString instructions, QString prompt,
    ModelSchema schema, std::shared_ptr<CancellationToken> cancel, int maxTokens, std::chrono::milliseconds deadline)
{
    QPointer<LanguageModelClient> self(this);
    const Availability available = co_await availability();
    if (!self)
        co_return Error { ErrorKind::Other, QStringLiteral("shutting down") };
    if (!available.isAvailable)
        co_return Error { ErrorKind::Other, available.reason };
    const QByteArray body = QJsonDocument(requestBody(available.model, instructions, prompt, schema, maxTokens))
                                .toJson(QJsonDocument::Compact);
    const HttpClient::Request request = HttpClient::Request::post(
        endpoint(QStringLiteral("/chat/completions")), body, QByteArrayLiteral("application/json"));
    const HttpClient::Response answer = co_await m_http.send(request, exchangeLimits(deadline), std::move(cancel));
    if (!self)
        co_return Error { ErrorKind::Other, QStringLiteral("shutting down") };
    if (!answer.answered()) {
        // The server may have gone away: ask again before the next request.
        forgetAvailability();
        co_return Error { ErrorKind::Other, answer.failure };
    }
    co_return classify(answer.status, answer.body, schema);
}
