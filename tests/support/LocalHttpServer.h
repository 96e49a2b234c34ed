#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 for faking remote services in tests.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray path; // with the query
        QHash<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };
    struct Response
    {
        int status = 200;
        QByteArray body {};
        QByteArray contentType = "application/json";
        QHash<QByteArray, QByteArray> headers {};
        // Never answer: for time-out tests.
        bool hang = false;
        // Answer after this many milliseconds.
        int delayMs = 0;
        // Send the body one byte at a time, this many milliseconds apart: for deadline tests.
        int trickleMs = 0;
    };
    using Handler = std::function<Response(const Request&)>;

    explicit LocalHttpServer(QObject* parent = nullptr);

    // Listens on a free port of 127.0.0.1.
    bool start();
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path = QString()) const;

    // The handler for a method and a path (without the query); "*" matches any path.
    void route(const QByteArray& method, const QByteArray& path, Handler handler);
    const QList<Request>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

Q_SIGNALS:
    void requestReceived(const LocalHttpServer::Request& request);

private:
    void onConnection();
    void serve(class QTcpSocket* socket);
    static void send(QTcpSocket* socket, const Response& response);

    QTcpServer m_server;
    QHash<QByteArray, Handler> m_routes;
    QList<Request> m_requests;
};

// A canned answer for a route.
LocalHttpServer::Response reply(int status, const QByteArray& body, const QByteArray& contentType = "application/json");
// Compact JSON text for a body.
QByteArray json(const QJsonObject& object);
QByteArray json(const QJsonArray& array);
