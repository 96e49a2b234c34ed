// Timings of the language services on this machine: a FreeDict word lookup, a warm Apertium
// sentence, and what the language-model client adds around a model that answers at once (a local
// server with the chat wire format and no model behind it).
#include "language/ApertiumTranslator.h"
#include "language/ContextualTranslationService.h"
#include "language/FreeDictDictionary.h"
#include "language/FreeDictTranslator.h"
#include "language/LanguageModelClient.h"
#include "language/OnDeviceModelQueue.h"
#include "language/TranslationBackendSet.h"
#include "preferences/DefaultsStore.h"
#include "preferences/TranslationPreferences.h"
#include "support/LocalHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename T> T runSync(QCoro::Task<T> task)
{
    std::optional<T> result;
    QEventLoop loop;
    auto runner = [&]() -> QCoro::Task<void> {
        result = co_await std::move(task);
        loop.quit();
    };
    auto running = runner();
    if (!result)
        loop.exec();
    return std::move(*result);
}

void report(const char* what, std::vector<double> samples, const char* unit)
{
    if (samples.empty()) {
        std::printf("%-44s no samples\n", what);
        return;
    }
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[std::min(samples.size() - 1, size_t(q * double(samples.size())))]; };
    std::printf("%-44s n=%-5zu p50=%9.3f %s  p95=%9.3f %s  max=%9.3f %s\n", what, samples.size(), at(0.5), unit,
        at(0.95), unit, samples.back(), unit);
}

const QStringList kWords { "house", "water", "give up", "dog", "bank", "run", "beautiful", "yesterday", "book",
    "friend", "city", "time", "New York", "hotel", "quickly", "tree" };

const QStringList kSentences {
    "I went to the house yesterday.",
    "The dog eats meat.",
    "He gave up smoking last year.",
    "She looked up to her older sister.",
    "We sat on the bank of the river and watched the boats.",
    "The weather is nice today, so we are going to the beach.",
    "My friend lives in a small city near the mountains.",
    "Please close the door when you leave the room.",
};

void benchFreeDict()
{
    auto dictionary
        = FreeDictDictionary::open(FreeDictTranslator::kDefaultDirectory + QStringLiteral("/freedict-eng-spa"));
    if (!dictionary) {
        std::printf("FreeDict eng-spa is not installed\n");
        return;
    }
    std::vector<double> micros;
    QElapsedTimer clock;
    for (int round = 0; round < 200; ++round) {
        for (const QString& word : kWords) {
            clock.start();
            const auto entry = dictionary->lookup(word);
            micros.push_back(double(clock.nsecsElapsed()) / 1000.0);
            Q_UNUSED(entry);
        }
    }
    report("FreeDict lookup (eng-spa)", micros, "us");

    FreeDictTranslator translator;
    micros.clear();
    for (int round = 0; round < 50; ++round) {
        for (const QString& word : kWords) {
            clock.start();
            runSync(translator.translate(word, QStringLiteral("en"), QStringLiteral("es")));
            micros.push_back(double(clock.nsecsElapsed()) / 1000.0);
        }
    }
    report("FreeDict word translation (en-es)", micros, "us");
}

void benchApertium()
{
    ApertiumTranslator translator;
    if (!runSync(translator.supports(QStringLiteral("en"), QStringLiteral("es")))) {
        std::printf("Apertium eng-spa is not installed\n");
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const TranslationBackend::Result first
        = runSync(translator.translate(kSentences.first(), QStringLiteral("en"), QStringLiteral("es")));
    std::printf("%-44s %9.3f ms (%s)\n", "Apertium first sentence (pipeline start)", double(clock.nsecsElapsed()) / 1e6,
        first.ok() ? "ok" : qPrintable(first.error));
    std::vector<double> millis;
    for (int round = 0; round < 25; ++round) {
        for (const QString& sentence : kSentences) {
            clock.start();
            const TranslationBackend::Result result
                = runSync(translator.translate(sentence, QStringLiteral("en"), QStringLiteral("es")));
            if (result.ok())
                millis.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
    }
    report("Apertium warm sentence (en-es)", millis, "ms");
}

QByteArray instantCompletion()
{
    const QString content = QStringLiteral("{\"sourceExpression\":\"gave up\",\"translation\":\"dejó\"}");
    const QJsonObject message { { "role", "assistant" }, { "content", content }, { "refusal", QJsonValue::Null } };
    const QJsonObject choice { { "index", 0 }, { "message", message }, { "finish_reason", "stop" } };
    return QJsonDocument(QJsonObject { { "object", "chat.completion" }, { "choices", QJsonArray { choice } } })
        .toJson(QJsonDocument::Compact);
}

void benchModelClient()
{
    LocalHttpServer server;
    if (!server.start()) {
        std::printf("no local port for the model stand-in\n");
        return;
    }
    server.route("GET", "/v1/models", [](const LocalHttpServer::Request&) {
        LocalHttpServer::Response response;
        response.body = R"({"object":"list","data":[{"id":"bench-model","object":"model"}]})";
        return response;
    });
    const QByteArray answer = instantCompletion();
    server.route("POST", "/v1/chat/completions", [&answer](const LocalHttpServer::Request&) {
        LocalHttpServer::Response response;
        response.body = answer;
        return response;
    });

    QTemporaryDir dir;
    DefaultsStore settings(dir.filePath(QStringLiteral("defaults.json")));
    settings.setValue(LanguageModelClient::kBaseUrlKey, server.url(QStringLiteral("/v1")).toString());
    TranslationPreferences preferences(settings);
    preferences.setTargetLanguageCode(QStringLiteral("es"));
    LanguageModelClient client(settings);
    runSync(client.availability());

    QElapsedTimer clock;
    std::vector<double> millis;
    for (int i = 0; i < 300; ++i) {
        clock.start();
        runSync(client.respond(ContextualTranslationService::instructions(QStringLiteral("Spanish")),
            ContextualTranslationService::prompt(kSentences[i % kSentences.size()], "gave", "dio"),
            ContextualTranslationService::schema(), nullptr, ContextualTranslationService::kRefinementMaxTokens));
        millis.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    report("Model client round trip (instant stand-in)", millis, "ms");

    OnDeviceModelQueue queue;
    TranslationBackendSet backends;
    ContextualTranslationService service(
        client, queue, backends, preferences, [](const QString&, const QString&) { return false; });
    millis.clear();
    std::vector<double> cached;
    for (int i = 0; i < 300; ++i) {
        const QString sentence = kSentences[i % kSentences.size()] + QStringLiteral(" #%1").arg(i);
        clock.start();
        runSync(service.refine(QStringLiteral("gave"), sentence, QStringLiteral("dio"), QStringLiteral("es")));
        millis.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        runSync(service.refine(QStringLiteral("gave"), sentence, QStringLiteral("dio"), QStringLiteral("es")));
        cached.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    report("refine() through the queue, uncached", millis, "ms");
    report("refine() cache hit", cached, "us");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    benchFreeDict();
    benchApertium();
    benchModelClient();
    return 0;
}
