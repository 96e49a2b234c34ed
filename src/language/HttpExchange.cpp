#include "language/HttpExchange.h"

#include "language/CancellationToken.h"

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

QCoro::Task<HttpExchange> HttpExchange::run(QNetworkAccessManager& network, QNetworkRequest request,
    std::optional<QByteArray> post, int connectMs, int totalMs, std::shared_ptr<CancellationToken> cancel)
{
    QNetworkReply* reply = post ? network.post(request, *post) : network.get(request);
    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> owned(reply, [](QNetworkReply* r) { r->deleteLater(); });
    QString reason;
    QTimer connectTimer, totalTimer;
    connectTimer.setSingleShot(true);
    totalTimer.setSingleShot(true);
    QObject::connect(&connectTimer, &QTimer::timeout, reply, [&reason, reply] {
        reason = QStringLiteral("could not connect in time");
        reply->abort();
    });
    QObject::connect(&totalTimer, &QTimer::timeout, reply, [&reason, reply] {
        reason = QStringLiteral("timed out");
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::requestSent, &connectTimer, &QTimer::stop);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &connectTimer, &QTimer::stop);
    if (cancel) {
        QObject::connect(cancel.get(), &CancellationToken::cancelled, reply, [&reason, reply] {
            reason = QStringLiteral("cancelled");
            reply->abort();
        });
    }
    connectTimer.start(connectMs);
    totalTimer.start(totalMs);
    if (cancel && cancel->isCancelled()) {
        reason = QStringLiteral("cancelled");
        reply->abort();
    }
    co_await qCoro(reply).waitForFinished();
    // The reply outlives this frame until deleteLater runs; a late cancel must not reach `reason`.
    if (cancel)
        QObject::disconnect(cancel.get(), nullptr, reply, nullptr);
    HttpExchange result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!reason.isEmpty() || status.isNull()) {
        result.transportError = reason.isEmpty() ? reply->errorString() : reason;
        co_return result;
    }
    result.status = status.toInt();
    result.body = reply->readAll();
    co_return result;
}
