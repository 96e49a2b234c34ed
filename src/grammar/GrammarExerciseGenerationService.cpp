#include "grammar/GrammarExerciseGenerationService.h"

#include "diagnostics/QMLog.h"
#include "language/LanguageModelClient.h"
#include "platform/CancellationToken.h"
#include "preferences/LanguageCodes.h"
#include "store/VocabCardStore.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

const QChar kNul(0);

// The words offered to the model: a random sample of at most kMaxWords, in random order.
QStringList sample(QStringList words)
{
    std::shuffle(words.begin(), words.end(), *QRandomGenerator::global());
    if (words.size() > GrammarExerciseGenerationService::kMaxWords)
        words.resize(GrammarExerciseGenerationService::kMaxWords);
    return words;
}

QString cacheKey(const QString& study, const QString& explanation, QStringList vocabulary, int count)
{
    std::sort(vocabulary.begin(), vocabulary.end());
    return study + kNul + explanation + kNul + vocabulary.join(QLatin1Char(',')) + kNul + QString::number(count);
}

bool isBlank(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

} // namespace

GrammarExerciseGenerationService::GrammarExerciseGenerationService(
    LanguageModelClient& model, VocabCardStore& vocabulary, Options options)
    : m_model(model)
    , m_vocabulary(vocabulary)
    , m_options(options)
{
}

QString GrammarExerciseGenerationService::instructions(
    const QString& studyLanguageName, const QString& explanationLanguageName)
{
    return QStringLiteral("You write one ") + studyLanguageName
        + QStringLiteral(
            " grammar practice exercise (a cloze fill-in-the-blank sentence, or a multiple-choice sentence completion "
            "with 3 options) for a language learner. Build the sentence around ONE of the given vocabulary words, "
            "testing grammar (verb tense, articles, prepositions, word order, plurals, etc.) — not vocabulary meaning. "
            "Reply with exactly one exercise. Write \"explanation\" in ")
        + explanationLanguageName
        + QStringLiteral(": a short, learner-friendly one-sentence explanation of the grammar rule.");
}

QString GrammarExerciseGenerationService::prompt(const QStringList& vocabulary, const QStringList& seenSentences)
{
    QString text = QStringLiteral("Vocabulary words to choose from: ") + vocabulary.join(QStringLiteral(", "));
    if (!seenSentences.isEmpty())
        text += QStringLiteral("\nAvoid repeating these sentences: ") + seenSentences.join(QStringLiteral(" | "));
    return text;
}

QCoro::Task<QList<GeneratedGrammarExercise>> GrammarExerciseGenerationService::generate(
    QString studyLanguageCode, QString explanationLanguageCode, int count, std::shared_ptr<CancellationToken> cancel)
{
    const QStringList vocabulary = sample(m_vocabulary.studiedWords());
    if (vocabulary.isEmpty())
        co_return {};
    const QString key = cacheKey(studyLanguageCode, explanationLanguageCode, vocabulary, count);
    if (const auto cached = m_cache.constFind(key); cached != m_cache.constEnd())
        co_return cached.value();

    const std::weak_ptr<int> alive = m_lifetime;
    const LanguageModelClient::Availability availability = co_await m_model.availability();
    if (alive.expired() || !availability.isAvailable)
        co_return {};

    const QString studyName = LanguageCodes::englishName(studyLanguageCode);
    const QString instructionsText = instructions(studyName, LanguageCodes::englishName(explanationLanguageCode));
    const ModelSchema schema = GeneratedGrammarExercise::schema(studyName);
    QList<GeneratedGrammarExercise> results;
    // In the order the sentences came: the avoid line lists them so.
    QStringList seen;
    for (int call = 0; call < count; ++call) {
        if (cancel && cancel->isCancelled()) {
            qCDebug(lcGrammar) << "Exercise generation canceled or failed: cancelled";
            break;
        }
        const LanguageModelClient::Result answer = co_await m_model.respond(
            instructionsText, prompt(vocabulary, seen), schema, cancel, m_options.maxTokens, m_options.timeout);
        if (alive.expired())
            co_return results;
        if (const auto* record = std::get_if<QJsonObject>(&answer)) {
            const GeneratedGrammarExercise exercise = GeneratedGrammarExercise::fromJson(*record);
            if (isBlank(exercise.prompt))
                continue;
            results.append(exercise);
            if (!seen.contains(exercise.prompt))
                seen.append(exercise.prompt);
            continue;
        }
        const auto& error = std::get<LanguageModelClient::Error>(answer);
        if (error.kind == LanguageModelClient::ErrorKind::GuardrailViolation) {
            qCCritical(lcGrammar) << "Exercise generation blocked by safety guardrail, skipping";
        } else if (error.kind == LanguageModelClient::ErrorKind::Refusal) {
            qCCritical(lcGrammar) << "Model refused exercise generation, skipping";
        } else if (error.kind == LanguageModelClient::ErrorKind::OtherGeneration) {
            qCCritical(lcGrammar).noquote() << QStringLiteral("Exercise generation failed: %1").arg(error.description);
        } else {
            qCDebug(lcGrammar).noquote()
                << QStringLiteral("Exercise generation canceled or failed: %1").arg(error.description);
            break;
        }
    }
    if (!results.isEmpty())
        m_cache.insert(key, results);
    co_return results;
}
