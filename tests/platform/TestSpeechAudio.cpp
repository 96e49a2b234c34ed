#include "platform/AudioPlayback.h"
#include "platform/SpeechCompletionBox.h"
#include "platform/WavEncoder.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"
#include "preferences/SupportedLanguages.h"
#include "support/Waits.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// The fields of a canonical 44-byte PCM header, read independently of the encoder; valid when
// the chunk names and both sizes agree with the bytes.
struct WavInfo
{
    bool valid = false;
    int format = 0, channels = 0, sampleRate = 0, byteRate = 0, bits = 0, peak = 0;
    qsizetype dataSize = 0;
    bool isPcmMono16() const { return valid && format == 1 && channels == 1 && bits == 16; }
};

WavInfo inspect(const QByteArray& wav)
{
    WavInfo info;
    const auto* d = reinterpret_cast<const uchar*>(wav.constData());
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt " || wav.mid(36, 4) != "data"
        || qFromLittleEndian<quint32>(d + 4) != quint32(wav.size() - 8))
        return info;
    info = { true, qFromLittleEndian<quint16>(d + 20), qFromLittleEndian<quint16>(d + 22),
        int(qFromLittleEndian<quint32>(d + 24)), int(qFromLittleEndian<quint32>(d + 28)),
        qFromLittleEndian<quint16>(d + 34), 0, qsizetype(qFromLittleEndian<quint32>(d + 40)) };
    for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
        info.peak = std::max(info.peak, std::abs(int(qFromLittleEndian<qint16>(d + i))));
    info.valid = info.dataSize == wav.size() - 44;
    return info;
}

} // namespace

// Speech from espeak-ng, its WAV form, and its real playback through Qt Multimedia. The test
// desktop provides a null sound sink; without one, playing must fail cleanly instead.
class TestSpeechAudio : public QObject
{
    Q_OBJECT

    static QByteArray speech(const QString& word)
    {
        EspeakSpeechSynthesizer synth;
        return Waits::waitFor(synth.synthesize(word, u"en"_s)).value_or(std::nullopt).value_or(QByteArray());
    }

    static bool hasOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

private Q_SLOTS:
    void wavHeader_data()
    {
        QTest::addColumn<QByteArray>("pcm");
        QTest::addColumn<int>("rate");
        QTest::newRow("empty") << QByteArray() << 22050;
        QTest::newRow("two samples") << QByteArray("\x10\x00\xf0\xff", 4) << 16000;
        QTest::newRow("odd rate") << QByteArray(1000, '\x01') << 44100;
    }
    void wavHeader()
    {
        QFETCH(QByteArray, pcm);
        QFETCH(int, rate);
        const QByteArray wav = WavEncoder::encodeMono16(pcm, rate);
        const WavInfo info = inspect(wav);
        QVERIFY(info.isPcmMono16());
        QCOMPARE(info.sampleRate, rate);
        QCOMPARE(info.byteRate, rate * 2);
        QCOMPARE(wav.mid(44), pcm);
    }

    // Threads race to resume the box: one wins, the others' results are dropped, and the waiting
    // side hears of it once, through the event loop.
    void boxResumesOnce()
    {
        SpeechCompletionBox box;
        QSignalSpy spy(&box, &SpeechCompletionBox::finished);
        QVERIFY(!box.isResumed());
        std::atomic<int> winners { 0 };
        std::vector<std::unique_ptr<QThread>> threads;
        for (int i = 0; i < 8; ++i) {
            threads.emplace_back(
                QThread::create([&box, &winners, i] { winners += box.resume(QByteArray::number(i)); }));
            threads.back()->start();
        }
        for (auto& thread : threads)
            thread->wait();
        QCOMPARE(winners.load(), 1);
        const std::optional<QByteArray> won = box.result();
        QVERIFY(won);
        QVERIFY(!box.resume(QByteArray("late")));
        QVERIFY(!box.resume(std::nullopt));
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(box.result(), won);
    }

    // Every language the learner can pick has a voice that speaks its own name; an unknown code
    // falls back to English.
    void everyLanguageIsSpoken_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        for (const LanguageOption& language : SupportedLanguages::all())
            QTest::newRow(qPrintable(language.id)) << language.id << language.displayName;
        QTest::newRow("unknown code") << u"xx"_s << u"house"_s;
    }
    void everyLanguageIsSpoken()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(EspeakSpeechSynthesizer::voiceForLanguage(code).isEmpty(), !SupportedLanguages::contains(code));
        EspeakSpeechSynthesizer synth;
        const auto result = Waits::waitFor(synth.synthesize(text, code));
        QVERIFY(result && *result);
        const WavInfo info = inspect(**result);
        QVERIFY(info.isPcmMono16());
        QVERIFY(synth.sampleRate() > 0);
        QCOMPARE(info.sampleRate, synth.sampleRate());
        QVERIFY2(info.dataSize > info.sampleRate / 20, "less than 50 ms of speech");
        QVERIFY2(info.peak > 1000, "silent samples");
    }

    void emptyTextGivesNothing()
    {
        EspeakSpeechSynthesizer synth;
        const auto wav = Waits::waitFor(synth.synthesize(u"  "_s, u"en"_s));
        QVERIFY(wav && !*wav);
        const auto ipa = Waits::waitFor(synth.transcribe(QString(), u"en"_s));
        QVERIFY(ipa && !*ipa);
    }

    void ipa_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en hello") << u"en"_s << u"hello"_s << u"həlˈoʊ"_s;
        QTest::newRow("ru privet") << u"ru"_s << u"привет"_s << u"prʲivʲˈet"_s;
        // Hanzi read as pinyin with tones, not as Latin letters and English digit names.
        QTest::newRow("zh nihao") << u"zh"_s << u"你好"_s << u"nˈi2 χˈɑu2"_s;
    }
    void ipa()
    {
        QFETCH(QString, code);
        QFETCH(QString, word);
        QFETCH(QString, expected);
        EspeakSpeechSynthesizer synth;
        const auto ipa = Waits::waitFor(synth.transcribe(word, code));
        QVERIFY(ipa && *ipa);
        QCOMPARE(**ipa, expected);
    }

    void concurrentSyntheses()
    {
        EspeakSpeechSynthesizer synth;
        const QStringList words { u"one"_s, u"two"_s, u"three"_s, u"four"_s, u"five"_s, u"six"_s };
        std::vector<int> resumes(size_t(words.size()), 0);
        std::vector<qsizetype> sizes(size_t(words.size()), 0);
        std::vector<QCoro::Task<void>> tasks;
        for (size_t i = 0; i < resumes.size(); ++i) {
            tasks.push_back(
                [](EspeakSpeechSynthesizer& s, QString w, int& count, qsizetype& size) -> QCoro::Task<void> {
                    const auto wav = co_await s.synthesize(w, u"en"_s);
                    ++count;
                    size = wav ? wav->size() : 0;
                }(synth, words[qsizetype(i)], resumes[i], sizes[i]));
        }
        QVERIFY(Waits::waitUntil([&] { return std::ranges::all_of(resumes, [](int c) { return c > 0; }); }));
        QTest::qWait(50);
        for (size_t i = 0; i < resumes.size(); ++i) {
            QCOMPARE(resumes[i], 1);
            QVERIFY(sizes[i] > 44);
        }
        // "three" is longer spoken than "one": each caller got its own speech, not a neighbour's.
        QVERIFY(sizes[2] != sizes[0]);
    }

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
        // clang-format off
        QTest::newRow("not riff") << QByteArray("ID3 something") << false;
        QTest::newRow("truncated") << QByteArray("RIFF\x10\x00\x00\x00WAVEfmt ", 16) << false;
        QTest::newRow("data before fmt") << QByteArray("RIFF\x14\x00\x00\x00WAVEdata\x02\x00\x00\x00\x01\x02", 22) << false;
        QTest::newRow("synthesized speech") << speech(u"house"_s) << true;
        // clang-format on
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

QTEST_MAIN(TestSpeechAudio)
#include "TestSpeechAudio.moc"
