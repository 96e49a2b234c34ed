#include "platform/AudioPlayback.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"
#include "support/Waits.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Real playback of synthesized speech through Qt Multimedia. The test desktop provides a null
// sound sink; without one, playing must fail cleanly instead.
class TestAudioPlayback : public QObject
{
    Q_OBJECT

private:
    static QByteArray speech(const QString& word)
    {
        EspeakSpeechSynthesizer synth;
        return Waits::waitFor(synth.synthesize(word, u"en"_s)).value_or(std::nullopt).value_or(QByteArray());
    }

    static bool hasOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

private Q_SLOTS:
    void playsAndRestarts()
    {
        const QByteArray wav = speech(u"pronunciation"_s);
        AudioPlayback playback;
        QVERIFY(!playback.play(QByteArray(), u"wav"_s)); // nothing to play
        QVERIFY(!playback.isPlaying());
        QSignalSpy failed(&playback, &AudioPlayback::failed);
        QSignalSpy audible(&playback, &AudioPlayback::audible);
        if (!hasOutput()) {
            // A headless machine: a clean refusal, no crash.
            QVERIFY(!playback.play(wav, u"wav"_s));
            QCOMPARE(failed.count(), 1);
            QSKIP("no audio output device on this machine");
        }
        QVERIFY(playback.play(wav, u"wav"_s));
        QTRY_VERIFY_WITH_TIMEOUT(audible.count() == 1, 5000);
        QVERIFY(playback.isPlaying());
        // A second click plays the clip again from the start.
        QVERIFY(playback.play(wav, u"wav"_s));
        QTRY_VERIFY_WITH_TIMEOUT(audible.count() == 2, 5000);
        QVERIFY(playback.isPlaying());
        QCOMPARE(failed.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!playback.isPlaying(), 10000); // the clip ends by itself
        // Bytes that are no audio fail cleanly.
        playback.play(QByteArray("<html>not audio</html>"), u"mp3"_s);
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 1, 5000);
        QVERIFY(!playback.isPlaying());
    }

    void mp3IsDecodedBeforeTheClick()
    {
        QFile file(QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + u"/tests/data/house.mp3"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        AudioPlayback playback;
        QSignalSpy loaded(&playback, &AudioPlayback::loaded);
        QSignalSpy failed(&playback, &AudioPlayback::failed);
        playback.load(file.readAll(), u"mp3"_s);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() == 1, 10000);
        QCOMPARE(failed.count(), 0);
        QVERIFY(playback.isLoaded());
        if (!hasOutput())
            QSKIP("no audio output device on this machine");
        QSignalSpy audible(&playback, &AudioPlayback::audible);
        QVERIFY(playback.play());
        QTRY_VERIFY_WITH_TIMEOUT(audible.count() == 1, 5000);
    }

    void wavHeaders_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("valid");
        QTest::newRow("not riff") << QByteArray("ID3 something") << false;
        QTest::newRow("truncated") << QByteArray("RIFF\x10\x00\x00\x00WAVEfmt ", 16) << false;
        QTest::newRow("data before fmt") << QByteArray("RIFF\x14\x00\x00\x00WAVEdata\x02\x00\x00\x00\x01\x02", 22)
                                         << false;
        QTest::newRow("synthesized speech") << speech(u"house"_s) << true;
    }
    void wavHeaders()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, valid);
        const std::optional<AudioPlayback::Pcm> pcm = AudioPlayback::parseWav(data);
        QCOMPARE(pcm.has_value(), valid);
        if (valid) {
            QCOMPARE(pcm->format.sampleFormat(), QAudioFormat::Int16);
            QCOMPARE(pcm->format.channelCount(), 1);
            QVERIFY(pcm->format.sampleRate() >= 16000);
            QCOMPARE(pcm->samples.size(), data.size() - 44);
        }
    }
};

QTEST_MAIN(TestAudioPlayback)
#include "TestAudioPlayback.moc"
