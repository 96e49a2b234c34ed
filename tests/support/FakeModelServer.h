#pragma once

#include "support/LocalHttpServer.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

// A chat completion as an OpenAI-compatible server sends it; `content` is the model's text.
inline QByteArray completion(const QString& content, const QString& finish = QStringLiteral("stop"),
    const QJsonValue& refusal = QJsonValue::Null)
{
    const QJsonObject message { { "role", "assistant" }, { "content", content }, { "refusal", refusal } };
    const QJsonObject choice { { "index", 0 }, { "message", message }, { "finish_reason", finish } };
    return json(
        QJsonObject { { "id", "chatcmpl-1" }, { "object", "chat.completion" }, { "choices", QJsonArray { choice } } });
}

// A structured answer: the record as the model's JSON text.
inline QByteArray completion(const QJsonObject& record)
{
    return completion(QString::fromUtf8(json(record)));
}

inline const QString kGoodContent
    = QStringLiteral("{\"translation\":\"дом\",\"isIdiom\":false,\"alternatives\":[\"здание\"]}");

// A model server speaking the OpenAI wire format on 127.0.0.1: /v1/models lists `models`, and a
// chat request gets the answer set for its record type (the json_schema name), `chat` otherwise.
struct FakeModelServer
{
    LocalHttpServer server;
    QStringList models { QStringLiteral("qwen2.5-3b-instruct"), QStringLiteral("llama3.2") };
    int modelsStatus = 200;
    LocalHttpServer::Response chat = reply(200, completion(kGoodContent));
    QHash<QString, LocalHttpServer::Response> chatBySchema;
    // Answers for the next chat requests, in order, before `chatBySchema` and `chat` apply.
    QList<LocalHttpServer::Response> chatQueue;

    FakeModelServer()
    {
        server.start();
        server.route("GET", "/v1/models", [this](const auto&) {
            QJsonArray data;
            for (const QString& id : models)
                data.append(QJsonObject { { "id", id }, { "object", "model" } });
            return reply(modelsStatus, json(QJsonObject { { "object", "list" }, { "data", data } }));
        });
        server.route("POST", "/v1/chat/completions", [this](const LocalHttpServer::Request& request) {
            if (!chatQueue.isEmpty())
                return chatQueue.takeFirst();
            return chatBySchema.value(schemaName(QJsonDocument::fromJson(request.body).object()), chat);
        });
    }

    // Serves the models, and answers chat requests (for one record type, when it is named) with
    // this record.
    void answer(const QJsonObject& record, const QString& schema = QString())
    {
        modelsStatus = 200;
        (schema.isEmpty() ? chat : chatBySchema[schema]) = reply(200, completion(record));
    }

    // Chat request bodies, in order; only those for one record type when it is named.
    QList<QJsonObject> chatBodies(const QString& schema = QString()) const
    {
        QList<QJsonObject> bodies;
        for (const LocalHttpServer::Request& request : server.requests()) {
            const QJsonObject body = QJsonDocument::fromJson(request.body).object();
            if (request.path == "/v1/chat/completions" && (schema.isEmpty() || schemaName(body) == schema))
                bodies.append(body);
        }
        return bodies;
    }
    QJsonObject lastChatBody() const { return chatBodies().value(chatBodies().size() - 1); }
    int chatRequests() const { return int(chatBodies().size()); }

private:
    static QString schemaName(const QJsonObject& body)
    {
        return body.value("response_format").toObject().value("json_schema").toObject().value("name").toString();
    }
};
