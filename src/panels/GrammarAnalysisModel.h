#pragma once

#include "grammar/GrammarAnalysisResult.h"

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CancellationToken;
struct GrammarAnalysisServices;

// The grammar analysis of one sentence as the panel shows it: the analysis, the sentence's
// translation and the translation of the English parts of the analysis. Its tasks run until the
// content is replaced or destroyed, not while the panel is merely hidden; changed() announces every
// change of what is shown.
class GrammarAnalysisModel : public QObject
{
    Q_OBJECT
public:
    // What the panel shows below its header; the first that applies wins.
    enum class Display { ModelUnavailable, LanguageUnsupported, Loading, Loaded, Failed, Nothing };

    GrammarAnalysisModel(GrammarAnalysisServices& services, QString sentence, QObject* parent = nullptr);
    ~GrammarAnalysisModel() override;

    // Starts the analysis and the translations; once.
    void start();
    // For a content shown again: an analysis still loading with nothing in flight starts again.
    void resume();
    // "Повторить": analyses the sentence again.
    void retry();

    Display display() const;
    QString sentence() const { return m_sentence; }
    std::optional<QString> sourceLanguage() const { return m_sourceLanguage; }
    std::optional<bool> isModelAvailable() const { return m_modelAvailable; }
    bool isLoading() const { return m_isLoading; }
    bool failed() const { return m_failed; }
    const std::optional<GrammarAnalysisResult>& result() const { return m_result; }
    std::optional<bool> translationPackReady() const { return m_translationPackReady; }
    std::optional<QString> translatedSentence() const { return m_translatedSentence; }
    std::optional<bool> explanationPackReady() const { return m_explanationPackReady; }
    // The English texts of the analysis in the learner's language where translated, else as written.
    QString shownStructureName() const;
    QString shownExplanation() const;
    QStringList shownWordNotes() const;
    bool isStructureNameTranslated() const { return m_translatedStructureName.has_value(); }
    // Where the model server was expected, for the text that says none answers.
    QString modelServerAddress() const;

Q_SIGNALS:
    void changed();

private:
    QCoro::Task<void> run();
    QCoro::Task<void> checkModel();
    QCoro::Task<void> translateSentence();
    QCoro::Task<void> translateExplanation(int runNumber);
    bool canAnalyse() const;
    std::optional<QString> targetLanguage() const;

    GrammarAnalysisServices& m_services;
    const QString m_sentence;
    std::shared_ptr<CancellationToken> m_cancel;
    bool m_started = false;
    bool m_analysisInFlight = false;
    int m_runNumber = 0;

    std::optional<QString> m_sourceLanguage;
    std::optional<bool> m_modelAvailable;
    std::optional<GrammarAnalysisResult> m_result;
    bool m_isLoading = true;
    bool m_failed = false;
    std::optional<bool> m_translationPackReady;
    std::optional<QString> m_translatedSentence;
    std::optional<QString> m_translatedStructureName;
    std::optional<QString> m_translatedExplanation;
    std::optional<QStringList> m_translatedWordNotes;
    std::optional<bool> m_explanationPackReady;
};
