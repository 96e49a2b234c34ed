#include "settings/ServiceStatusChecker.h"

#include "anki/AnkiConnectService.h"
#include "diagnostics/QMLog.h"
#include "language/GeneratedImageService.h"
#include "language/LanguageModelClient.h"
#include "language/LibreTranslateClient.h"
#include "preferences/DefaultsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace {

QString withoutTrailingSlash(QString base)
{
    base = base.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QString failureOf(const HttpClient::Response& answer)
{
    return answer.answered() ? QStringLiteral("HTTP %1").arg(answer.status) : answer.failure;
}

} // namespace

ServiceStatusChecker::ServiceStatusChecker(const DefaultsStore& settings, Options options, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_options(options)
{
}

ServiceStatusChecker::~ServiceStatusChecker() = default;

QList<ServiceStatusChecker::Service> ServiceStatusChecker::all()
{
    return { Service::LanguageModel, Service::TranslationServer, Service::ImageServer, Service::AnkiConnect };
}

void ServiceStatusChecker::checkAll()
{
    for (Service service : all())
        check(service);
}

HttpClient::Options ServiceStatusChecker::limits() const
{
    HttpClient::Options options;
    options.connectTimeout = m_options.timeout;
    options.deadline = m_options.timeout;
    options.maxBytes = 1024 * 1024;
    return options;
}

QCoro::Task<> ServiceStatusChecker::check(Service service)
{
    const quint64 generation = ++m_generations[service];
    setStatus(service, Status { State::Checking, {}, {} });
    QPointer<ServiceStatusChecker> self(this);
    Status status = co_await probe(service);
    if (!self || m_generations.value(service) != generation)
        co_return;
    if (status.state == State::NoAnswer || status.state == State::ModelMissing)
        qCDebug(lcSettings).noquote() << "Service" << int(service) << "check:" << status.detail;
    setStatus(service, std::move(status));
}

QCoro::Task<ServiceStatusChecker::Status> ServiceStatusChecker::probe(Service service)
{
    switch (service) {
    case Service::LanguageModel: {
        const QString base
            = m_settings.string(LanguageModelClient::kBaseUrlKey).value_or(LanguageModelClient::kDefaultBaseUrl);
        const QString wanted = m_settings.string(LanguageModelClient::kModelKey).value_or(QString()).trimmed();
        Status status = co_await probeModels(base, wanted);
        co_return status;
    }
    case Service::TranslationServer: {
        const QString base = m_settings.string(LibreTranslateClient::kUrlKey).value_or(QString());
        Status status = co_await probeTranslationServer(base);
        co_return status;
    }
    case Service::ImageServer: {
        const QString base = m_settings.string(GeneratedImageService::kUrlKey).value_or(QString());
        if (base.trimmed().isEmpty())
            co_return Status { State::Off, {}, {} };
        const QString wanted = m_settings.string(GeneratedImageService::kModelKey).value_or(QString()).trimmed();
        Status status = co_await probeModels(base, wanted);
        co_return status;
    }
    case Service::AnkiConnect: {
        const QUrl endpoint = AnkiConnectService::endpointFromSettings(m_settings);
        Status status = co_await probeAnki(endpoint);
        co_return status;
    }
    }
    co_return Status {};
}

QCoro::Task<ServiceStatusChecker::Status> ServiceStatusChecker::probeModels(QString base, QString wanted)
{
    const QUrl url(withoutTrailingSlash(base) + QStringLiteral("/models"));
    if (!url.isValid() || url.host().isEmpty())
        co_return Status { State::NoAnswer, {}, QStringLiteral("not an address: ") + base };
    const HttpClient::Request get = HttpClient::Request::get(url);
    const HttpClient::Response answer = co_await m_http.send(get, limits());
    if (!answer.isSuccess())
        co_return Status { State::NoAnswer, {}, failureOf(answer) };
    const QJsonArray data = QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("data")).toArray();
    QStringList models;
    for (const QJsonValue& entry : data) {
        const QString id = entry.toObject().value(QStringLiteral("id")).toString();
        if (!id.isEmpty())
            models << id;
    }
    if (!wanted.isEmpty() && !models.contains(wanted))
        co_return Status { State::ModelMissing, models, QStringLiteral("model %1 is not served").arg(wanted) };
    co_return Status { State::Answers, models, {} };
}

QCoro::Task<ServiceStatusChecker::Status> ServiceStatusChecker::probeTranslationServer(QString base)
{
    base = withoutTrailingSlash(base);
    if (base.isEmpty())
        co_return Status { State::Off, {}, {} };
    const QUrl url(base + QStringLiteral("/languages"));
    if (!url.isValid() || url.host().isEmpty())
        co_return Status { State::NoAnswer, {}, QStringLiteral("not an address: ") + base };
    const HttpClient::Request get = HttpClient::Request::get(url);
    const HttpClient::Response answer = co_await m_http.send(get, limits());
    if (!answer.isSuccess())
        co_return Status { State::NoAnswer, {}, failureOf(answer) };
    if (!QJsonDocument::fromJson(answer.body).isArray())
        co_return Status { State::NoAnswer, {}, QStringLiteral("the answer is not a language list") };
    co_return Status { State::Answers, {}, {} };
}

QCoro::Task<ServiceStatusChecker::Status> ServiceStatusChecker::probeAnki(QUrl endpoint)
{
    const QJsonObject request = AnkiConnectService::request(QStringLiteral("version"), QJsonObject());
    const HttpClient::Request post = HttpClient::Request::post(
        endpoint, QJsonDocument(request).toJson(QJsonDocument::Compact), "application/json");
    const HttpClient::Response answer = co_await m_http.send(post, limits());
    if (!answer.isSuccess())
        co_return Status { State::NoAnswer, {}, failureOf(answer) };
    const QJsonObject body = QJsonDocument::fromJson(answer.body).object();
    if (!body.value(QStringLiteral("result")).isDouble())
        co_return Status { State::NoAnswer, {}, QStringLiteral("not an AnkiConnect answer") };
    co_return Status { State::Answers, {}, {} };
}

void ServiceStatusChecker::setStatus(Service service, Status status)
{
    m_statuses.insert(service, std::move(status));
    Q_EMIT statusChanged(service);
}
