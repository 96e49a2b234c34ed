#include "language/LibreTranslateClient.h"

#include "diagnostics/QMLog.h"
#include "preferences/DefaultsStore.h"
#include "preferences/LanguageCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QUrl>

namespace {

// A listed set of pairs is trusted for a minute; a failed listing is tried again soon.
constexpr int kListedCacheSeconds = 60;
constexpr int kFailedCacheSeconds = 5;

QString pairKey(const QString& source, const QString& target)
{
    return LanguageCodes::base(source) + QLatin1Char('-') + LanguageCodes::base(target);
}

// A server that is not there is known at once; a translation takes a moment at most.
HttpClient::Options exchangeLimits()
{
    HttpClient::Options limits;
    limits.connectTimeout = std::chrono::seconds(2);
    limits.deadline = std::chrono::seconds(15);
    return limits;
}

} // namespace

LibreTranslateClient::LibreTranslateClient(const DefaultsStore& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
{
}

QString LibreTranslateClient::baseUrl() const
{
    QString base = m_settings.string(kUrlKey).value_or(QString()).trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

bool LibreTranslateClient::accepts(const QString& text) const
{
    return !text.trimmed().isEmpty();
}

QCoro::Task<bool> LibreTranslateClient::supports(QString source, QString target)
{
    const QString base = baseUrl();
    if (base.isEmpty() || LanguageCodes::base(source) == LanguageCodes::base(target))
        co_return false;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const int keep = m_listOk ? kListedCacheSeconds : kFailedCacheSeconds;
    if (m_listedUrl != base || !m_listedAt.isValid() || m_listedAt.secsTo(now) >= keep) {
        QPointer<LibreTranslateClient> self(this);
        const HttpClient::Request request = HttpClient::Request::get(QUrl(base + QStringLiteral("/languages")));
        const HttpClient::Response answer = co_await m_http.send(request, exchangeLimits());
        if (!self)
            co_return false;
        m_pairs.clear();
        m_listOk = answer.answered() && answer.status == 200;
        if (m_listOk) {
            const QJsonArray languages = QJsonDocument::fromJson(answer.body).array();
            QStringList codes;
            for (const QJsonValue& language : languages)
                codes << LanguageCodes::base(language.toObject().value(QStringLiteral("code")).toString());
            for (const QJsonValue& language : languages) {
                const QJsonObject object = language.toObject();
                const QString from = object.value(QStringLiteral("code")).toString();
                // Servers from before per-language targets translate between every listed pair.
                QStringList targets = codes;
                if (object.value(QStringLiteral("targets")).isArray()) {
                    targets.clear();
                    for (const QJsonValue& to : object.value(QStringLiteral("targets")).toArray())
                        targets << to.toString();
                }
                for (const QString& to : targets)
                    m_pairs.insert(pairKey(from, to));
            }
        } else {
            qCCritical(lcTranslation).noquote()
                << "Translation server" << base << "did not list its languages:"
                << (answer.answered() ? QStringLiteral("HTTP %1").arg(answer.status) : answer.failure);
        }
        m_listedUrl = base;
        m_listedAt = QDateTime::currentDateTimeUtc();
    }
    co_return m_pairs.contains(pairKey(source, target));
}

QCoro::Task<TranslationBackend::Result> LibreTranslateClient::translate(QString text, QString source, QString target)
{
    const QString base = baseUrl();
    if (base.isEmpty())
        co_return Result::failure(QStringLiteral("no translation server is set"));
    QJsonObject body { { QStringLiteral("q"), text }, { QStringLiteral("source"), LanguageCodes::base(source) },
        { QStringLiteral("target"), LanguageCodes::base(target) },
        { QStringLiteral("format"), QStringLiteral("text") } };
    const QString apiKey = m_settings.string(kApiKeyKey).value_or(QString());
    if (!apiKey.isEmpty())
        body.insert(QStringLiteral("api_key"), apiKey);
    const HttpClient::Request request = HttpClient::Request::post(QUrl(base + QStringLiteral("/translate")),
        QJsonDocument(body).toJson(QJsonDocument::Compact), QByteArrayLiteral("application/json"));

    QPointer<LibreTranslateClient> self(this);
    const HttpClient::Response answer = co_await m_http.send(request, exchangeLimits());
    if (!self)
        co_return Result::failure(QStringLiteral("shutting down"));
    if (!answer.answered()) {
        m_listedAt = {}; // the server may be gone: list again before trusting it
        co_return Result::failure(QStringLiteral("translation server: ") + answer.failure);
    }
    const QJsonObject reply = QJsonDocument::fromJson(answer.body).object();
    if (answer.status != 200) {
        const QString message = reply.value(QStringLiteral("error")).toString();
        co_return Result::failure(QStringLiteral("translation server: HTTP %1%2")
                                      .arg(answer.status)
                                      .arg(message.isEmpty() ? QString() : QStringLiteral(": ") + message));
    }
    const QJsonValue translated = reply.value(QStringLiteral("translatedText"));
    if (!translated.isString())
        co_return Result::failure(QStringLiteral("translation server: the answer has no translatedText"));
    co_return Result::success(translated.toString());
}
