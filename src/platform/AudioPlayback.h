#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <memory>
#include <optional>

class QAudioDecoder;
class QAudioSink;

// Plays a word's recording (MP3) or synthesized speech (WAV) from memory. The clip is decoded to
// PCM when it is loaded, so a click only starts the sound device; playing again starts from the
// beginning. A machine without an audio device gets a logged failure, never a crash.
class AudioPlayback : public QObject
{
    Q_OBJECT
public:
    struct Pcm
    {
        QAudioFormat format;
        QByteArray samples;
    };

    explicit AudioPlayback(QObject* parent = nullptr);
    ~AudioPlayback() override;

    // Decodes the clip ahead of playing it (WAV at once, MP3 through the media back-end).
    void load(const QByteArray& data, const QString& fileExtension);
    // Plays the loaded clip from the start, or as soon as its decoding ends. False when there is
    // nothing to play or no device to play it on.
    bool play();
    bool play(const QByteArray& data, const QString& fileExtension);
    void stop();
    bool isPlaying() const;
    bool isLoaded() const { return m_pcm.has_value(); }

    // PCM WAV (RIFF) as written by the speech synthesizer or any common encoder.
    static std::optional<Pcm> parseWav(const QByteArray& data);

Q_SIGNALS:
    void loaded();
    // Sound is going out to the device.
    void audible();
    void failed(const QString& reason);

private:
    void decode(const QByteArray& data);
    void fail(const QString& reason);
    void startSink();

    std::unique_ptr<QAudioDecoder> m_decoder;
    std::unique_ptr<QBuffer> m_encoded;
    QByteArray m_decodedSamples;
    QAudioFormat m_decodedFormat;
    std::optional<Pcm> m_pcm;
    bool m_playWhenLoaded = false;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_output;
};
