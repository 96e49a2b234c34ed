#include "language/ImageService.h"

#include "diagnostics/QMLog.h"
#include "language/ImageRelevanceService.h"
#include "preferences/DefaultsStore.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace {

struct Summary
{
    QString type;
    QUrl thumbnail;
    QString extract;
};

std::optional<Summary> decodeSummary(const QByteArray& body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    Summary summary;
    summary.type = object.value(QStringLiteral("type")).toString();
    summary.extract = object.value(QStringLiteral("extract")).toString();
    const QJsonValue thumbnail = object.value(QStringLiteral("thumbnail"));
    if (thumbnail.isObject()) {
        const QJsonValue source = thumbnail.toObject().value(QStringLiteral("source"));
        if (!source.isString())
            return std::nullopt; // "source" is required inside a thumbnail
        summary.thumbnail = QUrl(source.toString(), QUrl::StrictMode);
    }
    return summary;
}

} // namespace

ImageService::ImageService(const DefaultsStore& settings, ImageRelevanceService& relevance, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_relevance(relevance)
{
}

QUrl ImageService::summaryUrl(const QString& word) const
{
    const std::optional<QString> segment = HttpClient::pathSegment(word);
    if (!segment)
        return {};
    QString base = m_settings.string(kBaseUrlKey).value_or(kDefaultBaseUrl).trimmed();
    if (base.isEmpty())
        base = kDefaultBaseUrl;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl::fromEncoded(
        (base + QStringLiteral("/api/rest_v1/page/summary/") + *segment).toUtf8(), QUrl::StrictMode);
}

QCoro::Task<std::optional<Illustration>> ImageService::fetchWikipediaImage(QString word, QString sentence)
{
    const QUrl url = summaryUrl(word);
    if (!url.isValid())
        co_return std::nullopt;
    // Each wait may outlast this service: after it, nothing is touched unless the service lives.
    QPointer<ImageService> self(this);
    const HttpClient::Request summaryRequest = HttpClient::Request::get(url);
    const HttpClient::Response answer = co_await m_http.send(summaryRequest);
    if (!self || !answer.answered())
        co_return std::nullopt;
    const std::optional<Summary> summary = decodeSummary(answer.body);
    if (!summary || summary->type != QLatin1String("standard") || !summary->thumbnail.isValid()
        || summary->thumbnail.scheme().isEmpty())
        co_return std::nullopt;
    const bool relevant = co_await m_relevance.isRelevant(word, sentence, summary->extract);
    if (!self)
        co_return std::nullopt;
    if (!relevant) {
        qCDebug(lcImage).noquote()
            << QStringLiteral("Image for \"%1\" filtered out as not relevant: %2").arg(word, summary->extract);
        co_return std::nullopt;
    }
    const HttpClient::Request imageRequest = HttpClient::Request::get(summary->thumbnail);
    const HttpClient::Response image = co_await m_http.send(imageRequest);
    if (!image.isSuccess())
        co_return std::nullopt;
    const QString extension = QFileInfo(summary->thumbnail.path()).suffix();
    std::optional<Illustration> illustration = Illustration::fromImageBytes(image.body, extension);
    if (!illustration) {
        qCDebug(lcImage).noquote() << "Thumbnail is not an image:" << summary->thumbnail.toString();
        co_return std::nullopt;
    }
    co_return illustration;
}
