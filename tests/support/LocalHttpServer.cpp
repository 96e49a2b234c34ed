#include "support/LocalHttpServer.h"

#include <QJsonDocument>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::Response reply(int status, const QByteArray& body, const QByteArray& contentType)
{
    LocalHttpServer::Response response;
    response.status = status;
    response.body = body;
    response.contentType = contentType;
    return response;
}

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray json(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onConnection);
}

bool LocalHttpServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void LocalHttpServer::route(const QByteArray& method, const QByteArray& path, Handler handler)
{
    m_routes.insert(method + ' ' + path, std::move(handler));
}

void LocalHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::serve(QTcpSocket* socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    // Bytes that start no HTTP request (a TLS handshake) are refused as a plain server does.
    if (!buffer.isEmpty() && (buffer.front() < 'A' || buffer.front() > 'Z')) {
        socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() - headerEnd - 4 < length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", buffer.mid(headerEnd + 4 + length));
    m_requests.append(request);
    Q_EMIT requestReceived(request);

    const QByteArray pathOnly = request.path.split('?').value(0);
    Handler handler = m_routes.value(request.method + ' ' + pathOnly);
    if (!handler)
        handler = m_routes.value(request.method + " *");
    Response response;
    if (handler) {
        response = handler(request);
    } else {
        response.status = 404;
        response.body = "{\"error\":\"not found\"}";
    }
    if (response.hang)
        return;
    if (response.delayMs > 0) {
        QPointer<QTcpSocket> target(socket);
        QTimer::singleShot(response.delayMs, this, [target, response] {
            if (target)
                send(target, response);
        });
        return;
    }
    send(socket, response);
}

void LocalHttpServer::send(QTcpSocket* socket, const Response& response)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (auto it = response.headers.cbegin(); it != response.headers.cend(); ++it)
        head += it.key() + ": " + it.value() + "\r\n";
    head += "Connection: keep-alive\r\n\r\n";
    if (response.trickleMs <= 0) {
        socket->write(head + response.body);
        socket->flush();
        return;
    }
    socket->write(head);
    auto* drip = new QTimer(socket); // ends with the connection
    QObject::connect(drip, &QTimer::timeout, socket, [socket, body = response.body, sent = qsizetype(0)]() mutable {
        if (sent < body.size())
            socket->write(body.mid(sent++, 1));
    });
    drip->start(response.trickleMs);
}
