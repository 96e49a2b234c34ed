#include "language/GeneratedImageService.h"

#include "diagnostics/QMLog.h"
#include "preferences/DefaultsStore.h"

#include <QBuffer>
#include <QCoroTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

namespace {

// The picture comes as base64 inside JSON: a third larger than the image itself.
constexpr qint64 kMaxAnswerBytes = 10 * 1024 * 1024;

HttpClient::Options exchangeLimits(const GeneratedImageOptions& options)
{
    HttpClient::Options limits;
    limits.deadline = options.timeout;
    limits.maxBytes = kMaxAnswerBytes;
    return limits;
}

} // namespace

GeneratedImageService::GeneratedImageService(const DefaultsStore& settings, Options options, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_options(options)
{
}

QString GeneratedImageService::conceptText(const QString& word, const QString& sentence)
{
    if (sentence.isEmpty())
        return word;
    return word + QStringLiteral(", illustrating its meaning in: ") + sentence;
}

QUrl GeneratedImageService::endpoint() const
{
    QString base = m_settings.string(kUrlKey).value_or(QString()).trimmed();
    if (base.isEmpty())
        return {};
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QStringLiteral("/images/generations"));
}

QByteArray GeneratedImageService::requestBody(const QString& word, const QString& sentence) const
{
    // The images API has no style parameter for "illustration": it goes into the prompt.
    QJsonObject body { { QStringLiteral("prompt"),
                           conceptText(word, sentence) + QStringLiteral("\n\nStyle: illustration") },
        { QStringLiteral("n"), 1 }, { QStringLiteral("size"), QStringLiteral("512x512") },
        { QStringLiteral("response_format"), QStringLiteral("b64_json") } };
    if (const QString model = m_settings.string(kModelKey).value_or(QString()); !model.isEmpty())
        body.insert(QStringLiteral("model"), model);
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

QCoro::Task<GeneratedImageService::Attempt> GeneratedImageService::attempt(QUrl url, QByteArray body)
{
    QPointer<GeneratedImageService> self(this);
    const HttpClient::Request request = HttpClient::Request::post(url, body, QByteArrayLiteral("application/json"));
    const HttpClient::Response answer = co_await m_http.send(request, exchangeLimits(m_options));
    if (!self) {
        Attempt result;
        result.failure = Failure::Other;
        result.description = QStringLiteral("shutting down");
        co_return result;
    }
    co_return judged(answer);
}

GeneratedImageService::Attempt GeneratedImageService::judged(const HttpClient::Response& reply)
{
    Attempt result;
    if (!reply.answered()) {
        result.failure = Failure::Other;
        result.description = reply.failure;
        return result;
    }
    const QByteArray& answer = reply.body;
    const int code = reply.status;
    if (code < 200 || code >= 300) {
        // A server error is a failed creation worth one more try; a refused request is not.
        result.failure = code >= 500 ? Failure::CreationFailed : Failure::GeneratorError;
        result.description = QStringLiteral("HTTP %1: %2").arg(code).arg(QString::fromUtf8(answer.left(300)));
        return result;
    }
    const QJsonArray data = QJsonDocument::fromJson(answer).object().value(QStringLiteral("data")).toArray();
    const QByteArray encoded = data.first().toObject().value(QStringLiteral("b64_json")).toString().toLatin1();
    const QByteArray bytes = QByteArray::fromBase64(encoded);
    if (data.isEmpty() || encoded.isEmpty()) {
        result.failure = Failure::CreationFailed;
        result.description = QStringLiteral("the answer holds no image");
        return result;
    }
    result.image = Illustration::fromImageBytes(bytes);
    if (!result.image) {
        result.failure = Failure::GeneratorError;
        result.description = QStringLiteral("the answer's image does not decode");
        return result;
    }
    // Generated pictures are stored as PNG whatever the server sent.
    if (result.image->fileExtension != QLatin1String("png")) {
        QImage image = QImage::fromData(result.image->data);
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        image.save(&out, "PNG");
        result.image = Illustration { png, QStringLiteral("png") };
    }
    return result;
}

QCoro::Task<std::optional<Illustration>> GeneratedImageService::generateImage(QString word, QString sentence)
{
    const QUrl url = endpoint();
    if (!url.isValid() || url.scheme().isEmpty()) {
        qCDebug(lcImage) << "Illustration generation is off";
        co_return std::nullopt;
    }
    const QByteArray body = requestBody(word, sentence);
    for (int attemptNumber = 1; attemptNumber <= 2; ++attemptNumber) {
        const Attempt result = co_await attempt(url, body);
        if (result.image) {
            qCDebug(lcImage).noquote() << QStringLiteral("Generated illustration for \"%1\" (%2 bytes)")
                                              .arg(word)
                                              .arg(result.image->data.size());
            co_return result.image;
        }
        if (result.failure == Failure::Other) {
            qCCritical(lcImage).noquote()
                << QStringLiteral("Illustration generation failed for \"%1\": %2").arg(word, result.description);
            co_return std::nullopt;
        }
        qCCritical(lcImage).noquote() << QStringLiteral("Illustration generation failed for \"%1\" (attempt %2): %3")
                                             .arg(word)
                                             .arg(attemptNumber)
                                             .arg(result.description);
        if (result.failure != Failure::CreationFailed || attemptNumber == 2)
            co_return std::nullopt;
        QPointer<GeneratedImageService> self(this);
        QTimer pause;
        pause.setSingleShot(true);
        pause.start(m_options.retryDelay);
        co_await pause;
        // The pause outlives a service destroyed at shutdown: nothing is left to retry with.
        if (!self)
            co_return std::nullopt;
    }
    co_return std::nullopt;
}
