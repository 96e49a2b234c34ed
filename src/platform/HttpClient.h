#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class CancellationToken;
class QNetworkAccessManager;

// The limits of one exchange (HttpClient::Options). Defined out here so that it can be a
// defaulted argument of HttpClient's own functions.
struct HttpClientOptions
{
    // Until the request is on its way; zero leaves connecting to the deadline alone.
    std::chrono::milliseconds connectTimeout { 0 };
    // The whole exchange, so that a reply trickling in slowly still ends.
    std::chrono::milliseconds deadline { 15'000 };
    // Checked while the body arrives and once it is complete.
    qint64 maxBytes = 5 * 1024 * 1024;
};

// One HTTP exchange, bounded in time and size. Every request names the program in its
// User-Agent (public APIs may refuse anonymous clients). Servers on this machine are reached
// directly and everything else through the application proxy, so a proxy never sees what the
// user sends to their own local servers.
class HttpClient
{
public:
    using Options = HttpClientOptions;

    enum class Method { Get, Post };
    struct Request
    {
        Method method = Method::Get;
        QUrl url;
        QByteArray body;
        QByteArray contentType; // empty: no Content-Type header

        static Request get(QUrl url);
        static Request post(QUrl url, QByteArray body, QByteArray contentType);
    };

    struct Response
    {
        // Why no HTTP answer arrived ("timed out", "could not connect in time", "cancelled",
        // "larger than N bytes", Qt's error text); empty when one did.
        QString failure;
        int status = 0;
        QByteArray body;
        QByteArray contentType; // lower case, without parameters

        bool answered() const { return failure.isEmpty(); }
        bool isSuccess() const { return answered() && status >= 200 && status < 300; }
    };

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // `cancel` may be null. Safe to await after this client is gone: the exchange keeps what it
    // needs, and ends by its answer, its deadline or its cancellation.
    QCoro::Task<Response> send(Request request, Options options = {}, std::shared_ptr<CancellationToken> cancel = {});

    static QByteArray userAgent();
    // A word or title as one URL path segment, so "AC/DC" cannot change the path. nullopt for
    // texts that cannot be one segment: empty, "." and ".." (URL parsers resolve those away,
    // however they are encoded).
    static std::optional<QString> pathSegment(const QString& text);

private:
    // Shared with every exchange in flight: a reply must not outlive the manager that made it,
    // and an exchange whose owner was destroyed still finishes on the event loop instead of
    // being torn down inside the owner's destructor.
    std::shared_ptr<QNetworkAccessManager> m_network;
};
