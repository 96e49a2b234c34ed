#include "grammar/GrammarAnalysisService.h"

#include "diagnostics/QMLog.h"
#include "language/LanguageModelClient.h"
#include "platform/CancellationToken.h"
#include "preferences/LanguageCodes.h"
#include "preferences/SupportedLanguages.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// The exchange's own deadline stays behind the analysis time-out, so that it is this service's
// timer that ends a slow answer and the answer is known to have timed out.
constexpr std::chrono::seconds kDeadlineSlack(5);

} // namespace

GrammarAnalysisService::GrammarAnalysisService(LanguageModelClient& model, Options options)
    : m_model(model)
    , m_options(options)
{
}

QString GrammarAnalysisService::instructions()
{
    return QStringLiteral(
        "You are a grammar coach reviewing a sentence written by a language learner. First check the sentence for "
        "grammar mistakes (verb tense, articles, prepositions, agreement, word order, plurals, etc.) and produce a "
        "corrected version — fix only genuine grammar mistakes, never rephrase for style or change the vocabulary or "
        "meaning; if the sentence is already correct, return it unchanged. Then identify the main grammar structure "
        "the (corrected) sentence relies on: a short name written in English, and break it down into 2 to 5 key "
        "words or short phrases copied verbatim from the ORIGINAL sentence as given (sentenceParts, not from your "
        "corrected version) together with the matching formula label for each one (formulaParts), describing the "
        "correct grammatical role, same order and same count, e.g. for the original \"She don't like coffee\" "
        "sentenceParts could be [\"She\", \"don't\", \"like\"] and formulaParts [\"Subject\", \"does/doesn't\", "
        "\"base verb\"]. Add a short, learner-friendly explanation of how and why this structure is used here, "
        "written in English. Finally add up to 3 short notes on individual words or expressions with a specific "
        "nuance worth knowing, written in English — use an empty list if nothing stands out.");
}

QString GrammarAnalysisService::prompt(const QString& trimmedSentence)
{
    return QStringLiteral("Sentence: ") + trimmedSentence;
}

bool GrammarAnalysisService::isLanguageSupported(const QString& languageCode)
{
    return SupportedLanguages::contains(LanguageCodes::base(languageCode));
}

QString GrammarAnalysisService::serverAddress() const
{
    return m_model.baseUrl().toString();
}

QCoro::Task<bool> GrammarAnalysisService::isModelAvailable()
{
    const LanguageModelClient::Availability available = co_await m_model.availability();
    co_return available.isAvailable;
}

QCoro::Task<std::optional<GrammarAnalysisResult>> GrammarAnalysisService::generate(
    QString sentence, std::shared_ptr<CancellationToken> cancel)
{
    const QString trimmed = sentence.trimmed();
    if (trimmed.isEmpty())
        co_return std::nullopt;
    if (const auto* found = m_cache.find(trimmed)) {
        if (!*found)
            co_return std::nullopt;
        co_return GrammarAnalysisResult { trimmed, **found };
    }
    const std::weak_ptr<int> alive = m_lifetime;
    const bool available = co_await isModelAvailable();
    if (alive.expired() || !available)
        co_return std::nullopt;
    if (cancel && cancel->isCancelled()) {
        qCDebug(lcGrammar) << "Analysis canceled or failed: cancelled";
        co_return std::nullopt;
    }

    // The request stops when the caller cancels or when the time-out passes, whichever comes first.
    auto request = std::make_shared<CancellationToken>();
    if (cancel)
        QObject::connect(cancel.get(), &CancellationToken::cancelled, request.get(), &CancellationToken::cancel);
    auto timedOut = std::make_shared<bool>(false);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, request.get(), [request, timedOut] {
        *timedOut = true;
        request->cancel();
    });
    timer.start(m_options.timeout);
    QElapsedTimer elapsed;
    elapsed.start();
    const LanguageModelClient::Result answer = co_await m_model.respond(instructions(), prompt(trimmed),
        GeneratedGrammarAnalysis::schema(), request, m_options.maxTokens, m_options.timeout + kDeadlineSlack);
    if (alive.expired())
        co_return std::nullopt;
    timer.stop();

    if (const auto* record = std::get_if<QJsonObject>(&answer)) {
        qCDebug(lcGrammar).noquote() << QStringLiteral("Analysis took %1ms").arg(elapsed.elapsed());
        const GeneratedGrammarAnalysis analysis = GeneratedGrammarAnalysis::fromJson(*record);
        m_cache.insert(trimmed, analysis);
        co_return GrammarAnalysisResult { trimmed, analysis };
    }
    const auto& error = std::get<LanguageModelClient::Error>(answer);
    if (*timedOut) {
        qCCritical(lcGrammar).noquote()
            << QStringLiteral("Analysis failed: no complete answer within %1 s")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(m_options.timeout).count());
        co_return std::nullopt;
    }
    switch (error.kind) {
    case LanguageModelClient::ErrorKind::GuardrailViolation:
    case LanguageModelClient::ErrorKind::Refusal:
        m_cache.insert(trimmed, std::nullopt);
        break;
    case LanguageModelClient::ErrorKind::OtherGeneration:
        qCCritical(lcGrammar).noquote() << QStringLiteral("Analysis failed: %1").arg(error.description);
        break;
    case LanguageModelClient::ErrorKind::Other:
        qCDebug(lcGrammar).noquote() << QStringLiteral("Analysis canceled or failed: %1").arg(error.description);
        break;
    }
    co_return std::nullopt;
}
