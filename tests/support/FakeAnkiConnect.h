#pragma once

#include "support/LocalHttpServer.h"

#include <QHash>
#include <QJsonDocument>
#include <QStringList>

// An AnkiConnect answer.
inline QByteArray ankiAnswer(const QJsonValue& result, const QJsonValue& error = QJsonValue::Null)
{
    return json(QJsonObject { { "result", result }, { "error", error } });
}

// AnkiConnect on 127.0.0.1 as the add-on answers: a note id for addNote, the file name for
// storeMediaFile, null for the rest, unless a test queues other answers for an action's next
// requests.
struct FakeAnkiConnect
{
    static constexpr qint64 kNoteId = 1'700'000'000'123; // note ids are epoch milliseconds
    LocalHttpServer server;
    QHash<QString, QList<LocalHttpServer::Response>> queued;

    FakeAnkiConnect()
    {
        server.start();
        server.route("POST", "/", [this](const LocalHttpServer::Request& request) {
            const QJsonObject body = QJsonDocument::fromJson(request.body).object();
            const QString action = body.value("action").toString();
            if (!queued.value(action).isEmpty())
                return queued[action].takeFirst();
            if (action == QLatin1String("addNote"))
                return reply(200, ankiAnswer(double(kNoteId)));
            if (action == QLatin1String("storeMediaFile"))
                return reply(200, ankiAnswer(body.value("params").toObject().value("filename")));
            return reply(200, ankiAnswer(QJsonValue::Null));
        });
    }
    void answer(const QString& action, const QByteArray& body) { queued[action].append(reply(200, body)); }

    // Request bodies, in order; only one action's when it is named. (Tests may serve other
    // paths from the same server.)
    QList<QJsonObject> requests(const QString& action = QString()) const
    {
        QList<QJsonObject> bodies;
        for (const LocalHttpServer::Request& request : server.requests()) {
            const QJsonObject body = QJsonDocument::fromJson(request.body).object();
            if (request.method == "POST" && request.path == "/"
                && (action.isEmpty() || body.value("action").toString() == action))
                bodies.append(body);
        }
        return bodies;
    }
    QJsonObject params(int i) const { return requests().value(i).value("params").toObject(); }
    QStringList actions() const
    {
        QStringList names;
        for (const QJsonObject& body : requests())
            names << body.value("action").toString();
        return names;
    }
};
