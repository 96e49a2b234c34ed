#include "platform/AudioPlayback.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"
#include "support/Waits.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>

// Real playback of synthesized speech through Qt Multimedia. The test desktop provides a null
// sound sink; without one, playing must fail cleanly instead.
class TestAudioPlayback : public QObject
{
    Q_OBJECT

private:
    QByteArray speech(const QString& word)
    {
        EspeakSpeechSynthesizer synth;
        return Waits::waitFor(synth.synthesize(word, QStringLiteral("en")))
            .value_or(std::nullopt)
            .value_or(QByteArray());
    }

private Q_SLOTS:
    void nothingToPlay()
    {
        AudioPlayback playback;
        QVERIFY(!playback.play(QByteArray(), QStringLiteral("wav")));
        QVERIFY(!playback.isPlaying());
    }

    void playsAndRestarts()
    {
        const QByteArray wav = speech(QStringLiteral("pronunciation"));
        QVERIFY(wav.startsWith("RIFF"));
        AudioPlayback playback;
        QSignalSpy started(&playback, &AudioPlayback::started);
        QSignalSpy failed(&playback, &AudioPlayback::failed);
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            // A headless machine: a clean refusal, no crash.
            QVERIFY(!playback.play(wav, QStringLiteral("wav")));
            QCOMPARE(failed.count(), 1);
            QSKIP("no audio output device on this machine");
        }
        QVERIFY(playback.play(wav, QStringLiteral("wav")));
        QTRY_VERIFY_WITH_TIMEOUT(started.count() == 1, 5000);
        QVERIFY(playback.isPlaying());
        // A second click plays the clip again from the start.
        QVERIFY(playback.play(wav, QStringLiteral("wav")));
        QTRY_VERIFY_WITH_TIMEOUT(started.count() >= 2, 5000);
        QVERIFY(playback.isPlaying());
        QCOMPARE(failed.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!playback.isPlaying(), 10000); // the clip ends by itself
    }

    void brokenClipFailsCleanly()
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("no audio output device on this machine");
        AudioPlayback playback;
        QSignalSpy failed(&playback, &AudioPlayback::failed);
        playback.play(QByteArray("<html>not audio</html>"), QStringLiteral("mp3"));
        QTRY_VERIFY_WITH_TIMEOUT(failed.count() >= 1, 5000);
        QVERIFY(!playback.isPlaying());
    }
};

QTEST_MAIN(TestAudioPlayback)
#include "TestAudioPlayback.moc"
