#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QNetworkRequest>
#include <QString>

#include <memory>
#include <optional>

class CancellationToken;
class QNetworkAccessManager;

// One HTTP request to a local server with a limit on connecting and one on the whole answer.
struct HttpExchange
{
    QByteArray body;
    int status = 0;
    QString transportError; // empty when an HTTP answer arrived

    // GET when `post` is absent. `cancel` may be null.
    static QCoro::Task<HttpExchange> run(QNetworkAccessManager& network, QNetworkRequest request,
        std::optional<QByteArray> post, int connectMs, int totalMs, std::shared_ptr<CancellationToken> cancel);
};
