#include "panels/GrammarAnalysisModel.h"

#include "diagnostics/QMLog.h"
#include "grammar/GrammarAnalysisService.h"
#include "language/TranslationBackendSet.h"
#include "panels/GrammarAnalysisServices.h"
#include "platform/CancellationToken.h"
#include "platform/LanguageRecognizer.h"
#include "preferences/LanguageCodes.h"
#include "preferences/Preferences.h"
#include "preferences/SupportedLanguages.h"

#include <QPointer>

namespace {

const QString kEnglish = QStringLiteral("en");
// The explanation's language when the learner has not chosen one.
const QString kDefaultTarget = QStringLiteral("ru");

std::optional<QString> detectLanguage(const LanguageRecognizer& recognizer, const QString& sentence)
{
    if (sentence.isEmpty())
        return std::nullopt;
    QStringList codes;
    for (const LanguageOption& option : SupportedLanguages::all())
        codes.append(option.id);
    // The most probable guess, however unsure: the analysis is asked for this sentence explicitly.
    const QList<LanguageHypothesis> guesses = recognizer.hypotheses(sentence, codes, 1);
    if (guesses.isEmpty() || guesses.first().code.isEmpty())
        return std::nullopt;
    return LanguageCodes::base(guesses.first().code);
}

} // namespace

GrammarAnalysisModel::GrammarAnalysisModel(GrammarAnalysisServices& services, QString sentence, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_sentence(std::move(sentence))
    , m_cancel(std::make_shared<CancellationToken>())
{
    m_sourceLanguage = detectLanguage(services.recognizer, m_sentence);
}

GrammarAnalysisModel::~GrammarAnalysisModel()
{
    // A replaced content's analysis stops; its late answer finds nothing to change.
    m_cancel->cancel();
}

std::optional<QString> GrammarAnalysisModel::targetLanguage() const
{
    const std::optional<QString> target = m_services.preferences.translation().targetLanguageCode();
    if (!target || target->isEmpty())
        return std::nullopt;
    return LanguageCodes::base(*target);
}

bool GrammarAnalysisModel::canAnalyse() const
{
    return m_sourceLanguage && GrammarAnalysisService::isLanguageSupported(*m_sourceLanguage);
}

GrammarAnalysisModel::Display GrammarAnalysisModel::display() const
{
    if (m_modelAvailable == false)
        return Display::ModelUnavailable;
    if (!canAnalyse())
        return Display::LanguageUnsupported;
    if (m_isLoading)
        return Display::Loading;
    if (m_result)
        return Display::Loaded;
    if (m_failed)
        return Display::Failed;
    return Display::Nothing;
}

QString GrammarAnalysisModel::modelServerAddress() const
{
    return m_services.analysis.serverAddress();
}

void GrammarAnalysisModel::start()
{
    if (m_started)
        return;
    m_started = true;
    checkModel();
    translateSentence();
    if (canAnalyse())
        run();
}

void GrammarAnalysisModel::resume()
{
    if (!m_started) {
        start();
        return;
    }
    if (m_isLoading && !m_analysisInFlight && canAnalyse())
        run();
}

void GrammarAnalysisModel::retry()
{
    if (!m_analysisInFlight && canAnalyse())
        run();
}

QCoro::Task<void> GrammarAnalysisModel::checkModel()
{
    QPointer<GrammarAnalysisModel> self(this);
    const bool available = co_await m_services.analysis.isModelAvailable();
    if (!self)
        co_return;
    m_modelAvailable = available;
    Q_EMIT changed();
}

QCoro::Task<void> GrammarAnalysisModel::run()
{
    QPointer<GrammarAnalysisModel> self(this);
    const int runNumber = ++m_runNumber;
    m_analysisInFlight = true;
    m_isLoading = true;
    m_failed = false;
    m_result.reset();
    m_translatedStructureName.reset();
    m_translatedExplanation.reset();
    m_translatedWordNotes.reset();
    m_explanationPackReady.reset();
    Q_EMIT changed();

    std::optional<GrammarAnalysisResult> result = co_await m_services.analysis.generate(m_sentence, m_cancel);
    if (!self || m_cancel->isCancelled())
        co_return;
    m_analysisInFlight = false;
    m_isLoading = false;
    m_result = std::move(result);
    m_failed = !m_result;
    Q_EMIT changed();
    if (m_result)
        translateExplanation(runNumber);
}

QCoro::Task<void> GrammarAnalysisModel::translateSentence()
{
    QPointer<GrammarAnalysisModel> self(this);
    const std::optional<QString> target = targetLanguage();
    if (!m_sourceLanguage || !target || *m_sourceLanguage == *target) {
        m_translationPackReady = false;
        co_return;
    }
    const QString source = *m_sourceLanguage;
    const bool ready = co_await m_services.backends.isPairAvailable(source, *target);
    if (!self)
        co_return;
    m_translationPackReady = ready;
    if (!ready)
        co_return;
    const TranslationBackend::Result answer = co_await m_services.backends.translate(m_sentence, source, *target);
    if (!self)
        co_return;
    if (!answer.ok()) {
        qCDebug(lcGrammar).noquote() << QStringLiteral("Sentence translation failed: %1").arg(answer.error);
        co_return;
    }
    m_translatedSentence = answer.text;
    Q_EMIT changed();
}

QCoro::Task<void> GrammarAnalysisModel::translateExplanation(int runNumber)
{
    if (!m_result || m_result->analysis.explanation.isEmpty())
        co_return;
    const QString target = targetLanguage().value_or(kDefaultTarget);
    if (target == kEnglish)
        co_return;
    QPointer<GrammarAnalysisModel> self(this);
    // A newer run (a retry) owns the fields from then on.
    auto current = [self, runNumber] { return self && self->m_runNumber == runNumber && self->m_result; };
    const bool ready = co_await m_services.backends.isPackInstalled(kEnglish, target);
    if (!current())
        co_return;
    m_explanationPackReady = ready;
    if (!ready)
        co_return;

    const GeneratedGrammarAnalysis analysis = m_result->analysis;
    auto translate = [this, target](QString text) { return m_services.backends.translate(text, kEnglish, target); };
    auto failed = [](const TranslationBackend::Result& answer) {
        qCDebug(lcGrammar).noquote() << QStringLiteral("Explanation translation failed: %1").arg(answer.error);
    };
    const TranslationBackend::Result structure = co_await translate(analysis.structureName);
    if (!current())
        co_return;
    if (!structure.ok()) {
        failed(structure);
        co_return;
    }
    m_translatedStructureName = structure.text;
    Q_EMIT changed();

    const TranslationBackend::Result explanation = co_await translate(analysis.explanation);
    if (!current())
        co_return;
    if (!explanation.ok()) {
        failed(explanation);
        co_return;
    }
    m_translatedExplanation = explanation.text;
    Q_EMIT changed();

    QStringList notes;
    for (const QString& note : analysis.wordNotes) {
        const TranslationBackend::Result answer = co_await translate(note);
        if (!current())
            co_return;
        if (!answer.ok()) {
            failed(answer);
            co_return;
        }
        notes.append(*answer.text);
    }
    m_translatedWordNotes = notes;
    Q_EMIT changed();
}

QString GrammarAnalysisModel::shownStructureName() const
{
    if (m_translatedStructureName)
        return *m_translatedStructureName;
    return m_result ? m_result->analysis.structureName : QString();
}

QString GrammarAnalysisModel::shownExplanation() const
{
    if (m_translatedExplanation)
        return *m_translatedExplanation;
    return m_result ? m_result->analysis.explanation : QString();
}

QStringList GrammarAnalysisModel::shownWordNotes() const
{
    if (m_translatedWordNotes)
        return *m_translatedWordNotes;
    return m_result ? m_result->analysis.wordNotes : QStringList();
}
