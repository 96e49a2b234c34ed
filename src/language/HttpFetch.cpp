#include "language/HttpFetch.h"

#include <QCoroNetworkReply>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace HttpFetch {

QByteArray userAgent()
{
    return QByteArrayLiteral("Quillmoor/" QUILLMOOR_VERSION " (language-learning desktop app)");
}

std::optional<QString> pathSegment(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String(".."))
        return std::nullopt;
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QCoro::Task<Response> get(QNetworkAccessManager& network, QUrl url, Options options)
{
    Response response;
    if (!url.isValid() || url.scheme().isEmpty()) {
        response.error = QStringLiteral("invalid URL");
        co_return response;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    QNetworkReply* reply = network.get(request);
    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owned(reply, [](QNetworkReply* r) { r->deleteLater(); });
    QString abortReason;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [reply, &abortReason] {
        abortReason = QStringLiteral("timed out");
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
        [reply, &abortReason, max = options.maxBytes](qint64 received, qint64 total) {
            if (received > max || total > max) {
                abortReason = QStringLiteral("larger than %1 bytes").arg(max);
                reply->abort();
            }
        });
    deadline.start(options.timeoutMs);
    co_await qCoro(reply).waitForFinished();
    deadline.stop();
    if (!abortReason.isEmpty()) {
        response.error = abortReason;
        co_return response;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isNull()) {
        response.error = reply->errorString();
        co_return response;
    }
    response.transferred = true;
    response.status = status.toInt();
    response.body = reply->readAll();
    if (response.body.size() > options.maxBytes) {
        response = Response {};
        response.error = QStringLiteral("larger than %1 bytes").arg(options.maxBytes);
        co_return response;
    }
    response.contentType
        = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().split(';').value(0).trimmed().toLower();
    co_return response;
}

} // namespace HttpFetch
