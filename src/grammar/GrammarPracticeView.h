#pragma once

#include "store/FSRSRating.h"

#include <QWidget>

class GrammarCourseModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QShortcut;
class QStackedWidget;

// The practice of one topic: the current card with its answer control (a text field, choice
// buttons or word tiles), the check, the feedback and the four ratings (buttons or 1–4), then the
// empty states. No button takes keyboard focus, and the rating keys work only once the card is
// answered; a submitted answer field turns read-only and gives the focus back, so the keys rate
// instead of typing into it.
class GrammarPracticeView : public QWidget
{
    Q_OBJECT
public:
    explicit GrammarPracticeView(GrammarCourseModel& model, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildExercisePage();
    QWidget* buildAnswerControls();
    QWidget* buildFeedback();
    QWidget* buildPersonalEmptyPage();
    QWidget* buildDoneEmptyPage();
    QPushButton* addRatingButton(QWidget* row, FSRSRating rating, const char* objectName, const QColor& color);
    void showCard();
    void showAnswer();
    void rebuildChoices();
    void rebuildTiles();
    void submit();
    // The answer field while it takes an answer, otherwise the view (where the rating keys work).
    void focusAnswer();
    void retranslate();

    GrammarCourseModel& m_model;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_prompt = nullptr;
    QStackedWidget* m_answerPages = nullptr;
    QLineEdit* m_answerField = nullptr;
    QPushButton* m_checkText = nullptr;
    QWidget* m_choices = nullptr;
    QList<QPushButton*> m_choiceButtons;
    QLabel* m_assembledLabel = nullptr;
    QWidget* m_assembled = nullptr;
    QWidget* m_pool = nullptr;
    QPushButton* m_checkOrder = nullptr;
    QWidget* m_feedback = nullptr;
    QLabel* m_resultIcon = nullptr;
    QLabel* m_result = nullptr;
    QLabel* m_explanation = nullptr;
    QList<QPushButton*> m_ratingButtons;
    QLabel* m_ratingError = nullptr;
    QList<QShortcut*> m_ratingShortcuts;
    QLabel* m_personalTitle = nullptr;
    QLabel* m_personalText = nullptr;
    QProgressBar* m_generating = nullptr;
    QLabel* m_noWords = nullptr;
    QLabel* m_generationError = nullptr;
    QPushButton* m_generate = nullptr;
    QLabel* m_doneTitle = nullptr;
    QLabel* m_doneText = nullptr;
};
