#include "platform/AudioPlayback.h"

#include "diagnostics/QMLog.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

AudioPlayback::AudioPlayback(QObject* parent)
    : QObject(parent)
{
}

AudioPlayback::~AudioPlayback()
{
    if (m_player)
        m_player->stop();
}

void AudioPlayback::ensurePlayer()
{
    if (m_player)
        return;
    // Created on first use: the media back-end is slow to load and most lookups play nothing.
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    m_player->setAudioOutput(m_output.get());
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        qCWarning(lcPronunciation).noquote() << "Playback failed:" << text;
        m_player->stop();
        Q_EMIT failed(text);
    });
    connect(m_player.get(), &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        if (state == QMediaPlayer::PlayingState)
            Q_EMIT started();
    });
}

bool AudioPlayback::play(const QByteArray& data, const QString& fileExtension)
{
    if (data.isEmpty())
        return false;
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        qCWarning(lcPronunciation) << "Playback skipped: no audio output device";
        Q_EMIT failed(QStringLiteral("no audio output device"));
        return false;
    }
    ensurePlayer();
    m_player->stop();
    m_player->setSourceDevice(nullptr);
    // The buffer owns a copy of the bytes for as long as the player reads them.
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(data);
    buffer->open(QIODevice::ReadOnly);
    // The file name only tells the back-end the format.
    m_player->setSourceDevice(buffer.get(), QUrl(QStringLiteral("clip.") + fileExtension));
    m_buffer = std::move(buffer);
    m_player->setPosition(0);
    m_player->play();
    return true;
}

void AudioPlayback::stop()
{
    if (m_player)
        m_player->stop();
}

bool AudioPlayback::isPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}
