#pragma once

#include "panels/CaptureOverlayView.h"
#include "panels/LookupServices.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
class QLineEdit;

// The quick-lookup field and, once something was submitted, the lookup card for it.
class QuickLookupView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDebounceMs = 500;

    explicit QuickLookupView(LookupServices& services, QWidget* parent = nullptr);

    QLineEdit& field() const { return *m_field; }
    QString submittedWord() const { return m_submittedWord; }
    QString submittedSentence() const { return m_submittedSentence; }
    CaptureOverlayView* card() const { return m_card; }
    QSize fittingSize() const;

    // "I gave up." → ("up", "I gave up."); a single piece is the word with no sentence.
    static std::pair<QString, QString> wordAndSentence(const QString& trimmed);

public Q_SLOTS:
    void submit();

Q_SIGNALS:
    void contentChanged();
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void scheduleSubmit();
    void replaceCard();

    LookupServices& m_services;
    QLineEdit* m_field = nullptr;
    QTimer m_debounce;
    QString m_lastSubmittedInput;
    QString m_submittedWord;
    QString m_submittedSentence;
    QPointer<CaptureOverlayView> m_card;
};
