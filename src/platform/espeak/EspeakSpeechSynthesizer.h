#pragma once

#include "platform/SpeechSynthesizer.h"

#include <QHash>
#include <QObject>
#include <QThread>

#include <atomic>

// Speech through espeak-ng. The library keeps global, non-reentrant state, so it is initialised
// once and every call runs on one worker thread owned by this object, one request at a time;
// callers await the result on their own thread.
class EspeakSpeechSynthesizer : public QObject, public SpeechSynthesizer
{
    Q_OBJECT
public:
    explicit EspeakSpeechSynthesizer(QObject* parent = nullptr);
    ~EspeakSpeechSynthesizer() override;

    QCoro::Task<std::optional<QByteArray>> synthesize(QString text, QString languageCode) override;
    QCoro::Task<std::optional<QString>> transcribe(QString text, QString languageCode) override;

    // The espeak-ng voice for a supported language code; empty for other codes.
    static QString voiceForLanguage(const QString& languageCode);
    // Output sample rate; 0 until the first request has initialised the library (or when it failed).
    int sampleRate() const { return m_sampleRate.load(); }

private:
    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread
    std::atomic<int> m_sampleRate { 0 };
};
