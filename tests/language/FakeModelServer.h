#pragma once

#include "support/LocalHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// A chat completion as an OpenAI-compatible server sends it.
inline QByteArray completion(const QString& content, const QString& finish = QStringLiteral("stop"),
    const QJsonValue& refusal = QJsonValue::Null)
{
    const QJsonObject message { { "role", "assistant" }, { "content", content }, { "refusal", refusal } };
    const QJsonObject choice { { "index", 0 }, { "message", message }, { "finish_reason", finish } };
    return QJsonDocument(
        QJsonObject { { "id", "chatcmpl-1" }, { "object", "chat.completion" }, { "choices", QJsonArray { choice } } })
        .toJson(QJsonDocument::Compact);
}

inline const QString kGoodContent
    = QStringLiteral("{\"translation\":\"дом\",\"isIdiom\":false,\"alternatives\":[\"здание\"]}");

// A fake model server speaking the OpenAI chat wire format.
struct FakeModelServer
{
    LocalHttpServer server;
    QStringList models { QStringLiteral("qwen2.5-3b-instruct"), QStringLiteral("llama3.2") };
    LocalHttpServer::Response chat;
    int modelsStatus = 200;

    FakeModelServer()
    {
        server.start();
        chat.body = completion(kGoodContent);
        server.route("GET", "/v1/models", [this](const LocalHttpServer::Request&) {
            QJsonArray data;
            for (const QString& id : models)
                data.append(QJsonObject { { "id", id }, { "object", "model" } });
            LocalHttpServer::Response response;
            response.status = modelsStatus;
            response.body = QJsonDocument(QJsonObject { { "object", "list" }, { "data", data } }).toJson();
            return response;
        });
        server.route("POST", "/v1/chat/completions", [this](const LocalHttpServer::Request&) { return chat; });
    }
    QJsonObject lastChatBody() const
    {
        for (qsizetype i = server.requests().size() - 1; i >= 0; --i) {
            if (server.requests()[i].method == "POST")
                return QJsonDocument::fromJson(server.requests()[i].body).object();
        }
        return {};
    }
    int chatRequests() const
    {
        int count = 0;
        for (const auto& request : server.requests())
            count += request.method == "POST" ? 1 : 0;
        return count;
    }
};
