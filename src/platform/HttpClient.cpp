#include "platform/HttpClient.h"

#include "platform/CancellationToken.h"

#include <QCoroNetworkReply>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

bool isLoopback(const QString& host)
{
    return QHostAddress(host).isLoopback();
}

// Loopback hosts directly, every other host as the application's proxy settings say. Asked for
// each request, so requests in flight to different hosts never share one proxy decision. Qt's own
// resolution skips the proxy for local addresses too, but the user's text reaching no proxy on
// its way to their own servers is our promise, so it is kept here rather than left to Qt.
class LoopbackDirectProxyFactory final : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        if (isLoopback(query.peerHostName()))
            return { QNetworkProxy(QNetworkProxy::NoProxy) };
        return QNetworkProxyFactory::proxyForQuery(query);
    }
};

// "localhost" may resolve to ::1 first while local servers listen on 127.0.0.1.
QUrl directUrl(QUrl url)
{
    if (url.host() == QLatin1String("localhost"))
        url.setHost(QStringLiteral("127.0.0.1"));
    return url;
}

QNetworkReply* start(QNetworkAccessManager& network, const HttpClient::Request& request)
{
    QNetworkRequest httpRequest(directUrl(request.url));
    httpRequest.setHeader(QNetworkRequest::UserAgentHeader, HttpClient::userAgent());
    if (!request.contentType.isEmpty())
        httpRequest.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
    if (request.method == HttpClient::Method::Post)
        return network.post(httpRequest, request.body);
    return network.get(httpRequest);
}

HttpClient::Response failed(QString reason)
{
    HttpClient::Response response;
    response.failure = std::move(reason);
    return response;
}

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("larger than %1 bytes").arg(maxBytes);
}

// The limits around one reply while it runs. Every connection has a timer of this object as its
// context, so nothing reaches the exchange once it is gone.
class Exchange
{
public:
    Exchange(QNetworkReply* reply, const HttpClient::Options& options, CancellationToken* cancel)
        : m_reply(reply)
    {
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, &m_deadline, [this] { abort(QStringLiteral("timed out")); });
        m_deadline.start(options.deadline);
        watchConnecting(options.connectTimeout);
        QObject::connect(reply, &QNetworkReply::downloadProgress, &m_deadline,
            [this, max = options.maxBytes](qint64 received, qint64 total) {
                if (received > max || total > max)
                    abort(tooLarge(max));
            });
        // Queued: the waiting coroutines resume on a later turn of the event loop, never inside
        // cancel(), whose caller may be a destructor.
        if (cancel) {
            QObject::connect(
                cancel, &CancellationToken::cancelled, &m_deadline, [this] { abort(QStringLiteral("cancelled")); },
                Qt::QueuedConnection);
        }
    }
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;
    ~Exchange()
    {
        // The reply may still be emitting the signal that ended the exchange.
        if (m_reply)
            m_reply->deleteLater();
    }

    QNetworkReply* reply() const { return m_reply; }

    HttpClient::Response response(qint64 maxBytes) const
    {
        if (!m_reason.isEmpty())
            return failed(m_reason);
        if (!m_reply)
            return failed(QStringLiteral("the request was dropped"));
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isNull())
            return failed(m_reply->errorString());
        HttpClient::Response response;
        response.status = status.toInt();
        response.body = m_reply->readAll();
        if (response.body.size() > maxBytes)
            return failed(tooLarge(maxBytes));
        response.contentType
            = m_reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().split(';').value(0).trimmed().toLower();
        return response;
    }

private:
    void watchConnecting(std::chrono::milliseconds limit)
    {
        if (limit <= std::chrono::milliseconds::zero())
            return;
        m_connecting.setSingleShot(true);
        QObject::connect(&m_connecting, &QTimer::timeout, &m_deadline,
            [this] { abort(QStringLiteral("could not connect in time")); });
        QObject::connect(m_reply, &QNetworkReply::requestSent, &m_connecting, &QTimer::stop);
        QObject::connect(m_reply, &QNetworkReply::metaDataChanged, &m_connecting, &QTimer::stop);
        m_connecting.start(limit);
    }

    void abort(const QString& reason)
    {
        if (!m_reason.isEmpty() || !m_reply || m_reply->isFinished())
            return;
        m_reason = reason;
        m_reply->abort(); // finishes the reply, which resumes the exchange
    }

    QPointer<QNetworkReply> m_reply;
    QString m_reason;
    QTimer m_connecting;
    QTimer m_deadline; // declared last: destroyed first, taking every connection with it
};

} // namespace

HttpClient::Request HttpClient::Request::get(QUrl url)
{
    Request request;
    request.url = std::move(url);
    return request;
}

HttpClient::Request HttpClient::Request::post(QUrl url, QByteArray body, QByteArray contentType)
{
    Request request;
    request.method = Method::Post;
    request.url = std::move(url);
    request.body = std::move(body);
    request.contentType = std::move(contentType);
    return request;
}

HttpClient::HttpClient()
    // Deleted later: the last exchange lets go of it while one of its replies is still emitting.
    : m_network(new QNetworkAccessManager, [](QNetworkAccessManager* network) { network->deleteLater(); })
{
    m_network->setProxyFactory(new LoopbackDirectProxyFactory); // the manager owns it
}

HttpClient::~HttpClient() = default;

QByteArray HttpClient::userAgent()
{
    return QByteArrayLiteral("Quillmoor/" QUILLMOOR_VERSION " (language-learning desktop app)");
}

std::optional<QString> HttpClient::pathSegment(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String(".."))
        return std::nullopt;
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QCoro::Task<HttpClient::Response> HttpClient::send(
    Request request, Options options, std::shared_ptr<CancellationToken> cancel)
{
    if (!request.url.isValid() || request.url.scheme().isEmpty())
        co_return failed(QStringLiteral("invalid URL"));
    if (cancel && cancel->isCancelled())
        co_return failed(QStringLiteral("cancelled"));
    // Held by this frame, which must not touch `this` after the wait: the client may be gone.
    const std::shared_ptr<QNetworkAccessManager> network = m_network;
    Exchange exchange(start(*network, request), options, cancel.get());
    QNetworkReply* reply = exchange.reply();
    co_await reply;
    co_return exchange.response(options.maxBytes);
}
