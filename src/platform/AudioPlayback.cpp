#include "platform/AudioPlayback.h"

#include "diagnostics/QMLog.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QUrl>

namespace {

// Little-endian fields of the RIFF header; callers check the bounds first.
quint32 le32(const QByteArray& data, qsizetype at)
{
    return quint32(uchar(data.at(at))) | quint32(uchar(data.at(at + 1))) << 8 | quint32(uchar(data.at(at + 2))) << 16
        | quint32(uchar(data.at(at + 3))) << 24;
}

quint16 le16(const QByteArray& data, qsizetype at)
{
    return quint16(uchar(data.at(at)) | uchar(data.at(at + 1)) << 8);
}

std::optional<QAudioFormat::SampleFormat> sampleFormat(quint16 encoding, quint16 bits)
{
    if (encoding == 3 && bits == 32)
        return QAudioFormat::Float;
    if (encoding != 1)
        return std::nullopt;
    switch (bits) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    case 32:
        return QAudioFormat::Int32;
    default:
        return std::nullopt;
    }
}

} // namespace

AudioPlayback::AudioPlayback(QObject* parent)
    : QObject(parent)
{
}

AudioPlayback::~AudioPlayback()
{
    if (m_sink)
        m_sink->stop();
    if (m_decoder)
        m_decoder->stop();
}

std::optional<AudioPlayback::Pcm> AudioPlayback::parseWav(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = le32(data, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= data.size()) {
            const auto samples = sampleFormat(le16(data, body), le16(data, body + 14));
            const int channels = le16(data, body + 2);
            const int rate = int(le32(data, body + 4));
            if (!samples || channels < 1 || rate < 1)
                return std::nullopt;
            format.emplace();
            format->setSampleFormat(*samples);
            format->setChannelCount(channels);
            format->setSampleRate(rate);
        } else if (id == "data" && format) {
            // Streamed WAVs may give a size past the end: take what is there.
            return Pcm { *format, data.mid(body, std::min(size, data.size() - body)) };
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

void AudioPlayback::fail(const QString& reason)
{
    qCWarning(lcPronunciation).noquote() << "Playback failed:" << reason;
    m_playWhenLoaded = false;
    Q_EMIT failed(reason);
}

void AudioPlayback::load(const QByteArray& data, const QString& fileExtension)
{
    stop();
    m_pcm.reset();
    m_playWhenLoaded = false;
    if (m_decoder) {
        m_decoder->stop();
        m_decoder.reset();
    }
    if (data.isEmpty())
        return;
    if (std::optional<Pcm> wav = parseWav(data)) {
        m_pcm = std::move(wav);
        Q_EMIT loaded();
        return;
    }
    Q_UNUSED(fileExtension);
    decode(data);
}

void AudioPlayback::decode(const QByteArray& data)
{
    m_decoder = std::make_unique<QAudioDecoder>();
    m_encoded = std::make_unique<QBuffer>();
    m_encoded->setData(data);
    m_encoded->open(QIODevice::ReadOnly);
    m_decodedSamples.clear();
    m_decodedFormat = {};
    QAudioDecoder* decoder = m_decoder.get();
    connect(decoder, &QAudioDecoder::bufferReady, this, [this, decoder] {
        const QAudioBuffer buffer = decoder->read();
        if (!buffer.isValid())
            return;
        if (!m_decodedFormat.isValid())
            m_decodedFormat = buffer.format();
        m_decodedSamples.append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(decoder, &QAudioDecoder::finished, this, [this] {
        if (!m_decodedFormat.isValid() || m_decodedSamples.isEmpty()) {
            fail(QStringLiteral("the clip holds no audio"));
            return;
        }
        m_pcm = Pcm { m_decodedFormat, m_decodedSamples };
        Q_EMIT loaded();
        if (m_playWhenLoaded) {
            m_playWhenLoaded = false;
            startSink();
        }
    });
    connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
        [this, decoder](QAudioDecoder::Error) { fail(decoder->errorString()); });
    decoder->setSourceDevice(m_encoded.get());
    decoder->start();
}

bool AudioPlayback::play()
{
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        fail(QStringLiteral("no audio output device"));
        return false;
    }
    if (!m_pcm) {
        if (!m_decoder)
            return false;
        m_playWhenLoaded = true;
        return true;
    }
    startSink();
    return true;
}

bool AudioPlayback::play(const QByteArray& data, const QString& fileExtension)
{
    if (data.isEmpty())
        return false;
    load(data, fileExtension);
    return play();
}

void AudioPlayback::startSink()
{
    if (m_sink)
        m_sink->stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!m_sink || m_sink->format() != m_pcm->format) {
        m_sink = std::make_unique<QAudioSink>(device, m_pcm->format);
        connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::ActiveState)
                Q_EMIT audible();
            if (state == QAudio::IdleState)
                m_sink->stop(); // the clip has been played out
            if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
                fail(QStringLiteral("the sound device stopped with error %1").arg(int(m_sink->error())));
        });
    }
    m_output.close();
    m_output.setData(m_pcm->samples);
    m_output.open(QIODevice::ReadOnly);
    m_sink->start(&m_output);
}

void AudioPlayback::stop()
{
    m_playWhenLoaded = false;
    if (m_sink)
        m_sink->stop();
}

bool AudioPlayback::isPlaying() const
{
    return m_playWhenLoaded || (m_sink && m_sink->state() == QAudio::ActiveState);
}
