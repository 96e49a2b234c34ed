#pragma once

#include "panels/LookupServices.h"

#include <QFrame>
#include <QString>

class EmphasisLabel;
class LookupCardModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

// The lookup card for one captured word: headline with transcription and audio, translation in
// context (or a meaning in the word's own language), the sentence and its translation, the
// etymology and the add button. Built anew for every word; it shows its LookupCardModel.
class CaptureOverlayView : public QFrame
{
    Q_OBJECT
public:
    // A whole selection can be the headline: the card wraps rather than growing across the screen.
    static constexpr int kMaxWidth = 380;
    static constexpr int kMinWidth = 240;
    // Longer headlines and sentences (a whole selected page) are shown cut, the saved card keeps
    // them whole.
    static constexpr qsizetype kMaxHeadlineCharacters = 160;
    static constexpr qsizetype kMaxSentenceCharacters = 600;

    CaptureOverlayView(LookupServices& services, QString word, QString sentence, bool isSelection, bool showsChrome,
        QWidget* parent = nullptr);
    ~CaptureOverlayView() override;

    LookupCardModel& model() const { return *m_model; }
    // Starts the lookup; once.
    void start();

    // The size the card wants at its width (at most kMaxWidth, wrapping below it).
    QSize fittingSize() const;

    static QString shownHeadline(const QString& word);
    static QString shownSentence(const QString& sentence, const QString& word);

Q_SIGNALS:
    // Any shown state changed: the panel re-fits and re-places itself.
    void contentChanged();
    void hoverChanged(bool hovering);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildWidgets();
    void applyStyle();
    void refresh();
    void changed();
    QString addButtonText() const;

    LookupServices& m_services;
    LookupCardModel* m_model; // child
    const bool m_showsChrome;

    QLabel* m_wordLabel = nullptr;
    QLabel* m_phoneticLabel = nullptr;
    QToolButton* m_playButton = nullptr;
    QLabel* m_translationLabel = nullptr;
    QLabel* m_translationUnavailable = nullptr;
    QLabel* m_translationHint = nullptr;
    QLabel* m_otherSensesLabel = nullptr;
    QProgressBar* m_translationProgress = nullptr;
    QLabel* m_noticeLabel = nullptr;
    EmphasisLabel* m_sentenceLabel = nullptr;
    QLabel* m_sentenceTranslationLabel = nullptr;
    QLabel* m_meaningLabel = nullptr;
    QLabel* m_meaningUnavailable = nullptr;
    QProgressBar* m_meaningProgress = nullptr;
    QToolButton* m_etymologyToggle = nullptr;
    QLabel* m_etymologyLabel = nullptr;
    QPushButton* m_addButton = nullptr;
    QLabel* m_addFailure = nullptr;
};
