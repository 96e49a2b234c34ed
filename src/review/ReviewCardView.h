#pragma once

#include "review/ReviewSession.h"

#include <QWidget>

class QLabel;
class QPushButton;

// One card of the review: the word, its recording button, transcription and sentence; below a
// divider on the answer side, the picture, the translation, the translated sentence and the
// etymology. Plain text throughout: nothing the learner saved is read as markup.
class ReviewCardView : public QWidget
{
    Q_OBJECT
public:
    explicit ReviewCardView(QWidget* parent = nullptr);

    void setCard(const VocabCard& card, ReviewPhase phase);

Q_SIGNALS:
    void playAudioRequested();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addLabel(const char* objectName, qreal pointSize, QFont::Weight weight = QFont::Normal);

    QLabel* m_word;
    QPushButton* m_speaker;
    QLabel* m_phonetic;
    QLabel* m_sentence;
    QWidget* m_divider;
    QLabel* m_picture;
    QLabel* m_translation;
    QLabel* m_translatedSentence;
    QLabel* m_etymology;
};
