#pragma once

#include "grammar/GeneratedGrammarExercise.h"

#include <QCoroTask>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

class CancellationToken;
class LanguageModelClient;
class VocabCardStore;

// Grammar exercises around words the learner has studied, one per language-model call; later calls
// are asked to avoid the sentences already written. Non-empty results are kept for the whole run
// under the languages, the offered words and the count. Main thread only.
class GrammarExerciseGenerationService
{
public:
    struct Options
    {
        // A greedy model can repeat itself until its context is full: one exercise is a few dozen
        // tokens, and an answer cut off here counts as failed.
        int maxTokens = 512;
        // The whole of one answer; the model client's configured time-out when zero.
        std::chrono::milliseconds timeout = std::chrono::milliseconds::zero();
    };

    static constexpr int kMaxWords = 15;

    GrammarExerciseGenerationService(LanguageModelClient& model, VocabCardStore& vocabulary, Options options);

    // Up to `count` exercises, fewer or none when calls fail or the learner has studied nothing yet;
    // never fails. A cancellation keeps (and caches) what was gathered before it.
    QCoro::Task<QList<GeneratedGrammarExercise>> generate(QString studyLanguageCode, QString explanationLanguageCode,
        int count, std::shared_ptr<CancellationToken> cancel = nullptr);

    static QString instructions(const QString& studyLanguageName, const QString& explanationLanguageName);
    static QString prompt(const QStringList& vocabulary, const QStringList& seenSentences);

private:
    LanguageModelClient& m_model;
    VocabCardStore& m_vocabulary;
    const Options m_options;
    QHash<QString, QList<GeneratedGrammarExercise>> m_cache;
    // A request that finishes after the service is gone (at exit) touches nothing of it.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};
