#pragma once

#include "grammar/GrammarAnalysisResult.h"
#include "language/LruCache.h"

#include <QCoroTask>
#include <QHash>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class CancellationToken;
class LanguageModelClient;

// The limits of one analysis (GrammarAnalysisService::Options).
struct GrammarAnalysisOptions
{
    // A greedy local model can repeat itself until its context is full: the answer is cut off here
    // instead, and the cut-off answer counts as failed.
    int maxTokens = 1024;
    // The whole answer, however slowly the server streams it in.
    std::chrono::milliseconds timeout = std::chrono::seconds(90);
};

// Corrects one sentence and explains its main grammar structure, through the local language model.
// Answers are kept for the whole run under the trimmed sentence, and so are refusals (a greedy model
// refuses again); failures, time-outs and cancellations are not, so "try again" asks anew.
class GrammarAnalysisService
{
public:
    using Options = GrammarAnalysisOptions;

    explicit GrammarAnalysisService(LanguageModelClient& model, Options options = {});

    // The analysis, or nothing (no model, a refusal, a failure, a cancellation). Never fails.
    QCoro::Task<std::optional<GrammarAnalysisResult>> generate(
        QString sentence, std::shared_ptr<CancellationToken> cancel = nullptr);

    // Whether a model answers at the configured address.
    QCoro::Task<bool> isModelAvailable();
    // An OpenAI-compatible server does not say which languages its model handles: the twelve study
    // languages count as supported (a base code, "pt-BR" counts as "pt").
    static bool isLanguageSupported(const QString& languageCode);

    // The configured model server, for texts that say where no model answers.
    QString serverAddress() const;

    static QString instructions();
    static QString prompt(const QString& trimmedSentence);

private:
    LanguageModelClient& m_model;
    const Options m_options;
    // nullopt: the model declined the sentence.
    LruCache<QString, std::optional<GeneratedGrammarAnalysis>> m_cache;
    // An answer that arrives after the service is gone (at exit) touches nothing.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};
