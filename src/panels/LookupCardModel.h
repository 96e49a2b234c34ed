#pragma once

#include "language/LanguageDetection.h"
#include "panels/AnkiAddState.h"
#include "store/VocabCardContent.h"

#include <QByteArray>
#include <QCoroTask>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class AnkiAddAction;
class AudioPlayback;
class CancellationToken;
class EtymologyDisplay;
struct LookupServices;

// One lookup of a captured word (or a whole selection) and its sentence: the translation in
// context and its refinement, the transcription and audio, the meaning in monolingual mode, the
// etymology, and saving the word. Its steps start once and stop with it; every change of what a
// card shows is announced by changed(). The lookup card and the quick-lookup panel show it.
class LookupCardModel : public QObject
{
    Q_OBJECT
public:
    LookupCardModel(
        LookupServices& services, QString word, QString sentence, bool isSelection, QObject* parent = nullptr);
    ~LookupCardModel() override;

    // Starts the translation, etymology, pronunciation and meaning steps; once.
    void start();

    QString word() const { return m_word; }
    QString sentence() const { return m_sentence; }
    bool isSelection() const { return m_isSelection; }
    const LanguageDetection& detection() const { return m_detection; }
    // The word is in the target language already: no translation line.
    bool isMonolingual() const { return m_isMonolingual; }
    // The learner asked for explanations in the word's own language instead of translations.
    bool isMonolingualMode() const;

    std::optional<QString> translatedWord() const { return m_translatedWord; }
    bool translationFailed() const { return m_translationFailed; }
    // The dictionary's other translations of the word, at most three.
    QStringList otherSenses() const { return m_otherSenses; }
    // With no translation for the language pair: which package or service would add it, in the
    // interface language; empty otherwise.
    QString missingPairHint() const { return m_missingPairHint; }
    bool isRefiningTranslation() const { return m_isRefiningTranslation; }
    std::optional<QString> translatedSentence() const { return m_translatedSentence; }
    std::optional<QString> phonetic() const { return m_phonetic; }
    bool hasAudio() const { return m_pronunciationAudio.has_value(); }
    std::optional<QString> meaning() const { return m_meaning; }
    bool meaningFailed() const { return m_meaningFailed; }
    std::optional<QString> displayedEtymology() const;
    bool isEtymologyLoading() const;

    AnkiAddState ankiState() const;
    std::optional<qint64> savedCardId() const;
    bool isReadyToSave() const;
    // What a saved card and its note get now.
    VocabCardContent content() const;

public Q_SLOTS:
    void setEtymologyExpanded(bool expanded);
    void addToAnki();
    void playPronunciation();

Q_SIGNALS:
    void changed();

private:
    QCoro::Task<void> runTranslation();
    QCoro::Task<void> runEtymology();
    QCoro::Task<void> runPronunciation();
    QCoro::Task<void> runMeaning();
    std::optional<QString> baseLanguageCode() const;
    // The language an etymology is written in: the target language, else the interface's.
    QString etymologyLanguageCode() const;
    QString hintForMissingPair(const QString& source, const QString& target) const;

    LookupServices& m_services;
    const QString m_word;
    const QString m_sentence;
    const bool m_isSelection;
    bool m_started = false;
    std::shared_ptr<CancellationToken> m_cancel;

    LanguageDetection m_detection;
    bool m_isMonolingual = false;
    std::optional<QString> m_translatedWord;
    bool m_translationFailed = false;
    QStringList m_otherSenses;
    QString m_missingPairHint;
    bool m_isRefiningTranslation = false;
    std::optional<QString> m_translatedSentence;
    std::unique_ptr<EtymologyDisplay> m_etymology;
    std::optional<QString> m_phonetic;
    std::optional<QString> m_meaning;
    bool m_meaningFailed = false;
    std::optional<QByteArray> m_pronunciationAudio;
    QString m_pronunciationAudioExtension = QStringLiteral("mp3");
    AnkiAddAction* m_addAction = nullptr; // child
    AudioPlayback* m_audioPlayer = nullptr; // child, kept so that playback is not cut off
};
