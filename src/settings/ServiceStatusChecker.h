#pragma once

#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <chrono>

class DefaultsStore;

// Whether the local servers the learner runs answer at the addresses in the settings: the
// language model (and whether it serves the chosen model), the translation server, the image
// server and AnkiConnect. Checks run in the background; a newer check of a service replaces the
// answer of an older one.
class ServiceStatusChecker : public QObject
{
    Q_OBJECT
public:
    enum class Service { LanguageModel, TranslationServer, ImageServer, AnkiConnect };
    enum class State { Unchecked, Checking, Off, Answers, NoAnswer, ModelMissing };
    struct Status
    {
        State state = State::Unchecked;
        QStringList models; // what a model or image server lists
        QString detail; // why there is no answer, for the tooltip and the log
    };
    struct Options
    {
        // A local server answers at once or not at all.
        std::chrono::milliseconds timeout { 3'000 };
    };

    explicit ServiceStatusChecker(const DefaultsStore& settings, Options options, QObject* parent = nullptr);
    ~ServiceStatusChecker() override;

    static QList<Service> all();
    Status status(Service service) const { return m_statuses.value(service); }

    void checkAll();
    QCoro::Task<> check(Service service);

Q_SIGNALS:
    void statusChanged(ServiceStatusChecker::Service service);

private:
    QCoro::Task<Status> probe(Service service);
    QCoro::Task<Status> probeModels(QString base, QString wanted);
    QCoro::Task<Status> probeTranslationServer(QString base);
    QCoro::Task<Status> probeAnki(QUrl endpoint);
    void setStatus(Service service, Status status);
    HttpClient::Options limits() const;

    const DefaultsStore& m_settings;
    Options m_options;
    HttpClient m_http;
    QHash<Service, Status> m_statuses;
    QHash<Service, quint64> m_generations;
};
