#pragma once

#include <QFrame>
#include <QString>

class GrammarAnalysisModel;
struct GrammarAnalysisServices;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

// The grammar analysis panel's content for one sentence: a header with a close button, then the
// state of its GrammarAnalysisModel — the model missing, the language unsupported, loading, the
// analysis, or failure with a retry button. Every text is plain or built from escaped pieces, and
// readable through the accessibility bus.
class GrammarAnalysisView : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidth = 400;
    static constexpr int kMaxScrollHeight = 480;

    GrammarAnalysisView(GrammarAnalysisServices& services, QString sentence, QWidget* parent = nullptr);
    ~GrammarAnalysisView() override;

    GrammarAnalysisModel& model() const { return *m_model; }
    // The size the content wants at its fixed width.
    QSize fittingSize() const;

Q_SIGNALS:
    // What is shown changed: the panel re-fits and re-places itself.
    void contentChanged();
    // The close button or Escape.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildLoaded();
    void applyStyle();
    void refresh();
    void refreshLoaded();
    void changed();

    GrammarAnalysisModel* m_model; // child

    QLabel* m_title = nullptr;
    QToolButton* m_closeButton = nullptr;
    QWidget* m_notice = nullptr;
    QLabel* m_noticeIcon = nullptr;
    QLabel* m_noticeTitle = nullptr;
    QLabel* m_noticeText = nullptr;
    QWidget* m_loading = nullptr;
    QLabel* m_loadingText = nullptr;
    QWidget* m_failed = nullptr;
    QLabel* m_failedText = nullptr;
    QPushButton* m_retryButton = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_loaded = nullptr;
    QLabel* m_sentence = nullptr;
    QLabel* m_translation = nullptr;
    QLabel* m_verdictIcon = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_corrected = nullptr;
    QFrame* m_divider = nullptr;
    QLabel* m_structure = nullptr;
    QFrame* m_formulaBox = nullptr;
    QLabel* m_formula = nullptr;
    QLabel* m_explanation = nullptr;
    QVBoxLayout* m_notes = nullptr;
};
