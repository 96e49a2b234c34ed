#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// Plays a word's recording (MP3) or synthesized speech (WAV) from memory. Playing again starts
// from the beginning; a machine without an audio device gets a logged failure, never a crash.
class AudioPlayback : public QObject
{
    Q_OBJECT
public:
    explicit AudioPlayback(QObject* parent = nullptr);
    ~AudioPlayback() override;

    // False when there is nothing to play or no device to play it on.
    bool play(const QByteArray& data, const QString& fileExtension);
    void stop();
    bool isPlaying() const;

Q_SIGNALS:
    void started();
    void failed(const QString& reason);

private:
    void ensurePlayer();

    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QBuffer> m_buffer;
};
