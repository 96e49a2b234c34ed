#include "anki/AnkiConnectService.h"

#include "diagnostics/QMLog.h"
#include "preferences/DefaultsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QRegularExpression>
#include <QUuid>

#include <cmath>

namespace {

// Request bodies are built outside the coroutines: GCC 12 miscompiles braced initialiser lists
// inside coroutine bodies.
QJsonObject createDeckRequest(const QString& deckName)
{
    return AnkiConnectService::request(QStringLiteral("createDeck"), { { QStringLiteral("deck"), deckName } });
}

QJsonObject storeMediaRequest(const QString& name, const QByteArray& data)
{
    return AnkiConnectService::request(QStringLiteral("storeMediaFile"),
        { { QStringLiteral("filename"), name }, { QStringLiteral("data"), QString::fromLatin1(data.toBase64()) } });
}

QJsonObject addNoteRequest(const QString& deckName, const QString& front, const QString& back)
{
    const QJsonObject note {
        { QStringLiteral("deckName"), deckName },
        { QStringLiteral("modelName"), QStringLiteral("Basic") },
        { QStringLiteral("fields"),
            QJsonObject { { QStringLiteral("Front"), front }, { QStringLiteral("Back"), back } } },
        { QStringLiteral("options"), QJsonObject { { QStringLiteral("allowDuplicate"), false } } },
        { QStringLiteral("tags"), QJsonArray { QStringLiteral("quilmoor3") } },
    };
    return AnkiConnectService::request(QStringLiteral("addNote"), { { QStringLiteral("note"), note } });
}

QJsonObject updateFrontRequest(qint64 noteId, const QString& front)
{
    const QJsonObject note { { QStringLiteral("id"), noteId },
        { QStringLiteral("fields"), QJsonObject { { QStringLiteral("Front"), front } } } };
    return AnkiConnectService::request(QStringLiteral("updateNoteFields"), { { QStringLiteral("note"), note } });
}

// Anki answers from this machine with small JSON documents: only the time limit is its own.
HttpClient::Options exchangeLimits(const AnkiConnectOptions& options)
{
    HttpClient::Options limits;
    limits.deadline = options.timeout;
    return limits;
}

} // namespace

AnkiConnectService::AnkiConnectService(QUrl endpoint, Options options, QObject* parent)
    : QObject(parent)
    , m_endpoint(std::move(endpoint))
    , m_options(options)
{
}

QUrl AnkiConnectService::endpointFromSettings(const DefaultsStore& store)
{
    const QUrl url(store.string(kUrlKey).value_or(kDefaultUrl));
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty())
        return QUrl(kDefaultUrl);
    return url;
}

QString AnkiConnectService::makeMediaFileName(const QString& extension)
{
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return QStringLiteral("quillmoor3-") + uuid.left(8) + QLatin1Char('.') + extension;
}

QJsonObject AnkiConnectService::request(const QString& action, const QJsonObject& params)
{
    return { { QStringLiteral("action"), action }, { QStringLiteral("version"), kApiVersion },
        { QStringLiteral("params"), params } };
}

QCoro::Task<AnkiConnectService::Result<QJsonValue>> AnkiConnectService::send(QJsonObject requestObject)
{
    const HttpClient::Request request = HttpClient::Request::post(
        m_endpoint, QJsonDocument(requestObject).toJson(QJsonDocument::Compact), QByteArrayLiteral("application/json"));
    const HttpClient::Response reply = co_await m_http.send(request, exchangeLimits(m_options));
    // The HTTP status is not examined: AnkiConnect's answer is in the body. A reply without any
    // HTTP status, or one cut off by the deadline, never reached Anki as far as we can tell.
    if (!reply.answered()) {
        qCCritical(lcApp).noquote() << "AnkiConnect request failed:" << reply.failure;
        co_return AnkiConnectError::connectionFailed();
    }
    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject())
        co_return AnkiConnectError::invalidResponse();
    const QJsonObject answer = document.object();
    const QJsonValue error = answer.value(QStringLiteral("error"));
    if (error.isString())
        co_return AnkiConnectError::ankiError(error.toString());
    co_return answer.value(QStringLiteral("result"));
}

QCoro::Task<void> AnkiConnectService::ensureDeckExists(QString deckName)
{
    // An existing deck is fine, and a deck that truly cannot be made fails the note that follows.
    co_await send(createDeckRequest(deckName));
}

QCoro::Task<AnkiConnectService::Result<QString>> AnkiConnectService::storeMediaFile(QByteArray data, QString extension)
{
    const QString name = makeMediaFileName(extension);
    const Result<QJsonValue> stored = co_await send(storeMediaRequest(name, data));
    if (const auto* error = std::get_if<AnkiConnectError>(&stored))
        co_return *error;
    // Anki may store the file under another name; that is the one the note must reference. It
    // goes into HTML, so only a plain file name is taken.
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,200}$"));
    const QString answered = std::get<QJsonValue>(stored).toString();
    co_return plainName.match(answered).hasMatch() ? answered : name;
}

QCoro::Task<AnkiConnectService::Result<AnkiConnectService::AddedNote>> AnkiConnectService::addNote(
    QString deckName, QString front, QString back, std::optional<QByteArray> audioData, QString audioFileExtension)
{
    QPointer<AnkiConnectService> self(this);
    co_await ensureDeckExists(deckName);
    if (!self)
        co_return AnkiConnectError::connectionFailed();
    if (audioData) {
        const Result<QString> stored = co_await storeMediaFile(*audioData, audioFileExtension);
        if (!self)
            co_return AnkiConnectError::connectionFailed();
        if (const auto* error = std::get_if<AnkiConnectError>(&stored))
            co_return *error;
        front += QStringLiteral("<br>[sound:") + std::get<QString>(stored) + QLatin1Char(']');
    }
    const Result<QJsonValue> added = co_await send(addNoteRequest(deckName, front, back));
    if (const auto* error = std::get_if<AnkiConnectError>(&added))
        co_return *error;
    AddedNote result { std::nullopt, front };
    // Note ids are epoch milliseconds, far beyond 32 bits.
    const QJsonValue id = std::get<QJsonValue>(added);
    if (id.isDouble() && std::isfinite(id.toDouble()))
        result.noteId = static_cast<qint64>(id.toDouble());
    co_return result;
}

QCoro::Task<AnkiConnectService::Result<AnkiConnectService::Done>> AnkiConnectService::attachImage(
    qint64 noteId, QString frontHTML, QByteArray imageData, QString imageFileExtension)
{
    QPointer<AnkiConnectService> self(this);
    const Result<QString> stored = co_await storeMediaFile(imageData, imageFileExtension);
    if (!self)
        co_return AnkiConnectError::connectionFailed();
    if (const auto* error = std::get_if<AnkiConnectError>(&stored))
        co_return *error;
    const QString newFront
        = frontHTML + QStringLiteral("<br><img src=\"") + std::get<QString>(stored) + QStringLiteral("\">");
    const Result<QJsonValue> updated = co_await send(updateFrontRequest(noteId, newFront));
    if (const auto* error = std::get_if<AnkiConnectError>(&updated))
        co_return *error;
    co_return Done {};
}
