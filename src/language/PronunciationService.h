#pragma once

#include "language/PronunciationResult.h"
#include "platform/HttpClient.h"

#include <QCoroTask>
#include <QObject>

#include <optional>

class DefaultsStore;
class SpeechSynthesizer;

// A transcription and a recording of a word: the public dictionary endpoint first (with the
// dictionary forms of a conjugated Japanese word), speech synthesis for the audio otherwise.
class PronunciationService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kBaseUrlKey = QStringLiteral("dictionary.baseURL");
    static inline const QString kDefaultBaseUrl = QStringLiteral("https://api.dictionaryapi.dev");

    PronunciationService(const DefaultsStore& settings, SpeechSynthesizer& speech, QObject* parent = nullptr);

    // Never fails: at worst a result with neither transcription nor audio.
    QCoro::Task<PronunciationResult> fetch(QString word, std::optional<QString> sourceLanguageCode);

    // The dictionary's locale for a language code; Chinese has none.
    static std::optional<QString> dictionaryLocale(const QString& languageCode);
    // Links of the form //host/path are fetched over https.
    static QUrl recordingUrl(const QString& link);
    // A recording is kept only when it really is audio: an error page must never be saved as mp3.
    static bool isAcceptableRecording(const HttpClient::Response& response);
    // Japanese with kanji cannot be read by the synthesizer: it would speak only the kana.
    static bool canSynthesize(const QString& text, const std::optional<QString>& languageCode);

private:
    QCoro::Task<std::optional<PronunciationResult>> fetchFromDictionaryAPI(QString word, QString locale);
    QCoro::Task<std::optional<QByteArray>> synthesizeSpeech(QString text, std::optional<QString> languageCode);
    QCoro::Task<std::optional<QString>> synthesizedTranscription(QString text, std::optional<QString> languageCode);
    QUrl entryUrl(const QString& word, const QString& locale) const;

    const DefaultsStore& m_settings;
    SpeechSynthesizer& m_speech;
    HttpClient m_http;
};
