#pragma once

#include "language/LanguageDetection.h"
#include "panels/AnkiAddState.h"
#include "panels/LookupServices.h"

#include <QByteArray>
#include <QCoroTask>
#include <QFrame>
#include <QString>

#include <memory>
#include <optional>

class AnkiAddAction;
class AudioPlayback;
class CancellationToken;
class EmphasisLabel;
class EtymologyDisplay;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

// The lookup card for one captured word: headline with transcription and audio, translation in
// context (or a meaning in the word's own language), the sentence and its translation, and the
// add button. Built anew for every word; its steps start once and stop with it.
class CaptureOverlayView : public QFrame
{
    Q_OBJECT
public:
    static constexpr double kHighConfidenceThreshold = 0.55;
    static constexpr double kLowConfidenceThreshold = 0.2;
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

    // Starts the translation, etymology, pronunciation and meaning steps; once.
    void start();

    QString word() const { return m_word; }
    QString sentence() const { return m_sentence; }
    bool isSelection() const { return m_isSelection; }
    // The size the card wants at its width (at most kMaxWidth, wrapping below it).
    QSize fittingSize() const;

    const LanguageDetection& detection() const { return m_detection; }
    bool isMonolingual() const { return m_isMonolingual; }
    std::optional<QString> translatedWord() const { return m_translatedWord; }
    bool translationFailed() const { return m_translationFailed; }
    bool isRefiningTranslation() const { return m_isRefiningTranslation; }
    std::optional<QString> translatedSentence() const { return m_translatedSentence; }
    std::optional<bool> wordPackReady() const { return m_wordPackReady; }
    std::optional<QString> phonetic() const { return m_phonetic; }
    std::optional<QString> meaning() const { return m_meaning; }
    bool meaningFailed() const { return m_meaningFailed; }
    std::optional<QByteArray> pronunciationAudio() const { return m_pronunciationAudio; }
    QString pronunciationAudioExtension() const { return m_pronunciationAudioExtension; }
    AnkiAddState ankiState() const;
    bool savedLocally() const;
    std::optional<qint64> savedCardId() const;
    bool isReadyToSave() const;

    static QString shownHeadline(const QString& word);
    static QString shownSentence(const QString& sentence, const QString& word);

public Q_SLOTS:
    void addToAnki();
    void playPronunciation();

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

    QCoro::Task<void> runTranslation();
    QCoro::Task<void> runEtymology();
    QCoro::Task<void> runPronunciation();
    QCoro::Task<void> runMeaning();
    std::optional<QString> baseLanguageCode() const;
    // The language an etymology is written in: the target language, else the interface's.
    QString etymologyLanguageCode() const;

    LookupServices& m_services;
    const QString m_word;
    const QString m_sentence;
    const bool m_isSelection;
    const bool m_showsChrome;
    bool m_started = false;
    std::shared_ptr<CancellationToken> m_cancel;

    LanguageDetection m_detection;
    bool m_isMonolingual = false;
    std::optional<QString> m_translatedWord;
    bool m_translationFailed = false;
    bool m_isRefiningTranslation = false;
    std::optional<QString> m_translatedSentence;
    std::optional<bool> m_wordPackReady;
    std::unique_ptr<EtymologyDisplay> m_etymology;
    std::optional<QString> m_phonetic;
    std::optional<QString> m_meaning;
    bool m_meaningFailed = false;
    std::optional<QByteArray> m_pronunciationAudio;
    QString m_pronunciationAudioExtension = QStringLiteral("mp3");
    AnkiAddAction* m_addAction = nullptr; // child
    AudioPlayback* m_audioPlayer = nullptr; // child, kept so that playback is not cut off

    QLabel* m_wordLabel = nullptr;
    QLabel* m_phoneticLabel = nullptr;
    QToolButton* m_playButton = nullptr;
    QLabel* m_translationLabel = nullptr;
    QLabel* m_translationUnavailable = nullptr;
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
