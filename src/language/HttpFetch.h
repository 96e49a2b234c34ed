#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <optional>

// One HTTP GET of a public or local endpoint, bounded in time and size. Every request names the
// program in its User-Agent (public APIs may refuse anonymous clients).
namespace HttpFetch {

constexpr int kDefaultTimeoutMs = 15'000;
constexpr qint64 kDefaultMaxBytes = 5 * 1024 * 1024;

struct Options
{
    int timeoutMs = kDefaultTimeoutMs; // the whole exchange, so a trickling reply still ends
    qint64 maxBytes = kDefaultMaxBytes;
};

struct Response
{
    bool transferred = false; // a complete answer arrived (whatever its status)
    int status = 0;
    QByteArray body;
    QByteArray contentType; // lower case, without parameters
    QString error;

    bool isSuccess() const { return transferred && status >= 200 && status < 300; }
};

QByteArray userAgent();
QCoro::Task<Response> get(QNetworkAccessManager& network, QUrl url, Options options = {});
// A word or title as one URL path segment, so "AC/DC" cannot change the path. nullopt for texts
// that cannot be one segment: empty, "." and ".." (URL parsers resolve those away, however they
// are encoded).
std::optional<QString> pathSegment(const QString& text);

} // namespace HttpFetch
