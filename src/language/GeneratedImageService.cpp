#include "language/GeneratedImageService.h"

#include "diagnostics/QMLog.h"
#include "preferences/DefaultsStore.h"

#include <QCoroNetworkReply>
#include <QCoroTimer>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QBuffer>
#include <QImage>
#include <QPointer>
#include <QTimer>

GeneratedImageService::GeneratedImageService(const DefaultsStore& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
{
}

void GeneratedImageService::setTimingForTesting(int timeoutMs, int retryDelayMs)
{
    m_timeoutMs = timeoutMs;
    m_retryDelayMs = retryDelayMs;
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
    QUrl url(base + QStringLiteral("/images/generations"));
    // "localhost" may resolve to ::1 first while the server listens on 127.0.0.1.
    if (url.host() == QLatin1String("localhost"))
        url.setHost(QStringLiteral("127.0.0.1"));
    return url;
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
    Attempt result;
    const QHostAddress host(url.host());
    m_network.setProxy(host.isLoopback() ? QNetworkProxy(QNetworkProxy::NoProxy) : QNetworkProxy::applicationProxy());
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setHeader(QNetworkRequest::UserAgentHeader, HttpFetch::userAgent());
    QNetworkReply* reply = m_network.post(request, body);
    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owned(reply, [](QNetworkReply* r) { r->deleteLater(); });
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [reply, &timedOut] {
        timedOut = true;
        reply->abort();
    });
    deadline.start(m_timeoutMs);
    QPointer<GeneratedImageService> self(this);
    QPointer<QNetworkReply> alive(reply);
    co_await qCoro(reply).waitForFinished();
    if (!self || !alive) {
        owned.release();
        result.failure = Failure::Other;
        result.description = QStringLiteral("shutting down");
        co_return result;
    }
    deadline.stop();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (timedOut || status.isNull()) {
        result.failure = Failure::Other;
        result.description = timedOut ? QStringLiteral("timed out") : reply->errorString();
        co_return result;
    }
    const QByteArray answer = reply->read(HttpFetch::kDefaultMaxBytes * 2);
    const int code = status.toInt();
    if (code < 200 || code >= 300) {
        // A server error is a failed creation worth one more try; a refused request is not.
        result.failure = code >= 500 ? Failure::CreationFailed : Failure::GeneratorError;
        result.description = QStringLiteral("HTTP %1: %2").arg(code).arg(QString::fromUtf8(answer.left(300)));
        co_return result;
    }
    const QJsonArray data = QJsonDocument::fromJson(answer).object().value(QStringLiteral("data")).toArray();
    const QByteArray encoded = data.first().toObject().value(QStringLiteral("b64_json")).toString().toLatin1();
    const QByteArray bytes = QByteArray::fromBase64(encoded);
    if (data.isEmpty() || encoded.isEmpty()) {
        result.failure = Failure::CreationFailed;
        result.description = QStringLiteral("the answer holds no image");
        co_return result;
    }
    result.image = Illustration::fromImageBytes(bytes);
    if (!result.image) {
        result.failure = Failure::GeneratorError;
        result.description = QStringLiteral("the answer's image does not decode");
        co_return result;
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
    co_return result;
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
        pause.start(m_retryDelayMs);
        co_await pause;
        // The pause outlives a service destroyed at shutdown: nothing is left to retry with.
        if (!self)
            co_return std::nullopt;
    }
    co_return std::nullopt;
}
