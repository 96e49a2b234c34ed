#pragma once

#include "anki/AnkiConnectError.h"
#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QUrl>

#include <chrono>
#include <optional>
#include <variant>

class DefaultsStore;

struct AnkiConnectOptions
{
    // The limit on one whole exchange: Anki may be slow while it is busy, yet every exchange ends.
    std::chrono::milliseconds timeout { 60'000 };
};

// Sends new cards to Anki through the AnkiConnect add-on (JSON over HTTP on the loopback).
class AnkiConnectService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kUrlKey = QStringLiteral("anki.url");
    static inline const QString kDefaultUrl = QStringLiteral("http://127.0.0.1:8765");
    static constexpr int kApiVersion = 6;
    using Options = AnkiConnectOptions;

    struct AddedNote
    {
        std::optional<qint64> noteId;
        QString frontHTML; // the Front field exactly as sent
    };
    template <typename T> using Result = std::variant<T, AnkiConnectError>;
    struct Done
    {
    };

    explicit AnkiConnectService(QUrl endpoint = QUrl(kDefaultUrl), Options options = {}, QObject* parent = nullptr);
    // The endpoint from the "anki.url" setting, the default when it is unset or not an http URL.
    static QUrl endpointFromSettings(const DefaultsStore& store);

    QUrl endpoint() const { return m_endpoint; }

    QCoro::Task<Result<AddedNote>> addNote(
        QString deckName, QString front, QString back, std::optional<QByteArray> audioData, QString audioFileExtension);
    QCoro::Task<Result<Done>> attachImage(
        qint64 noteId, QString frontHTML, QByteArray imageData, QString imageFileExtension);

    // "quillmoor3-" + 8 upper-case hex digits of a fresh UUID + "." + extension.
    static QString makeMediaFileName(const QString& extension);
    static QJsonObject request(const QString& action, const QJsonObject& params);

private:
    QCoro::Task<Result<QJsonValue>> send(QJsonObject request);
    QCoro::Task<void> ensureDeckExists(QString deckName);
    // The name under which Anki stored a media file: its answer when that is a plain file name.
    QCoro::Task<Result<QString>> storeMediaFile(QByteArray data, QString extension);

    QUrl m_endpoint;
    Options m_options;
    HttpClient m_http;
};
