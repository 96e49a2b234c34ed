#include "platform/SpeechCompletionBox.h"
#include "platform/WavEncoder.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"

#include "support/Waits.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <vector>

namespace {

struct WavInfo
{
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    qsizetype dataSize = 0;
    int peak = 0;
};

WavInfo inspect(const QByteArray& wav)
{
    WavInfo info;
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE" || wav.mid(12, 4) != "fmt "
        || wav.mid(36, 4) != "data")
        return info;
    const auto* d = reinterpret_cast<const uchar*>(wav.constData());
    if (qFromLittleEndian<quint32>(d + 4) != quint32(wav.size() - 8))
        return info;
    info.format = qFromLittleEndian<quint16>(d + 20);
    info.channels = qFromLittleEndian<quint16>(d + 22);
    info.sampleRate = int(qFromLittleEndian<quint32>(d + 24));
    info.bits = qFromLittleEndian<quint16>(d + 34);
    info.dataSize = qsizetype(qFromLittleEndian<quint32>(d + 40));
    if (info.dataSize != wav.size() - 44)
        return info;
    for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
        info.peak = std::max(info.peak, std::abs(int(qFromLittleEndian<qint16>(d + i))));
    info.valid = true;
    return info;
}

} // namespace

class TestSpeechSynthesis : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wavHeader_data();
    void wavHeader();
    void boxResumesOnce();
    void boxResumesOnceAcrossThreads();
    void voiceTable_data();
    void voiceTable();
    void synthesisPerLanguage_data();
    void synthesisPerLanguage();
    void emptyTextGivesNothing();
    void ipa_data();
    void ipa();
    void concurrentSyntheses();
};

void TestSpeechSynthesis::wavHeader_data()
{
    QTest::addColumn<QByteArray>("pcm");
    QTest::addColumn<int>("rate");
    QTest::newRow("empty") << QByteArray() << 22050;
    QTest::newRow("two samples") << QByteArray("\x10\x00\xf0\xff", 4) << 16000;
    QTest::newRow("odd rate") << QByteArray(1000, '\x01') << 44100;
}

void TestSpeechSynthesis::wavHeader()
{
    QFETCH(QByteArray, pcm);
    QFETCH(int, rate);
    const QByteArray wav = WavEncoder::encodeMono16(pcm, rate);
    const WavInfo info = inspect(wav);
    QVERIFY(info.valid);
    QCOMPARE(info.format, 1);
    QCOMPARE(info.channels, 1);
    QCOMPARE(info.bits, 16);
    QCOMPARE(info.sampleRate, rate);
    QCOMPARE(info.dataSize, pcm.size());
    const auto* d = reinterpret_cast<const uchar*>(wav.constData());
    QCOMPARE(qFromLittleEndian<quint32>(d + 28), quint32(rate * 2)); // byte rate
    QCOMPARE(wav.mid(44), pcm);
}

void TestSpeechSynthesis::boxResumesOnce()
{
    SpeechCompletionBox box;
    QSignalSpy spy(&box, &SpeechCompletionBox::finished);
    QVERIFY(!box.isResumed());
    QVERIFY(box.resume(QByteArray("first")));
    QVERIFY(!box.resume(QByteArray("second")));
    QVERIFY(!box.resume(std::nullopt));
    QCOMPARE(spy.count(), 0); // delivered through the event loop, never inline
    QTRY_COMPARE(spy.count(), 1);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(box.result(), std::optional<QByteArray>(QByteArray("first")));
}

void TestSpeechSynthesis::boxResumesOnceAcrossThreads()
{
    SpeechCompletionBox box;
    QSignalSpy spy(&box, &SpeechCompletionBox::finished);
    std::atomic<int> winners{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back(QThread::create([&box, &winners, i] {
            if (box.resume(QByteArray::number(i)))
                ++winners;
        }));
        threads.back()->start();
    }
    for (auto& t : threads)
        t->wait();
    QCOMPARE(winners.load(), 1);
    QTRY_COMPARE(spy.count(), 1);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
    QVERIFY(box.result().has_value());
}

void TestSpeechSynthesis::voiceTable_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("voice");
    const char* rows[][2] = {{"en", "en-us"}, {"ru", "ru"}, {"es", "es"}, {"fr", "fr"}, {"de", "de"}, {"it", "it"},
                             {"pt", "pt"},    {"zh", "cmn-latn-pinyin"}, {"ja", "ja"}, {"ko", "ko"}, {"tr", "tr"}, {"ar", "ar"},
                             {"xx", ""},      {"", ""}};
    for (const auto& r : rows)
        QTest::newRow(r[0][0] ? r[0] : "empty") << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
}

void TestSpeechSynthesis::voiceTable()
{
    QFETCH(QString, code);
    QFETCH(QString, voice);
    QCOMPARE(EspeakSpeechSynthesizer::voiceForLanguage(code), voice);
}

void TestSpeechSynthesis::synthesisPerLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");
    QTest::newRow("en") << "en" << "house";
    QTest::newRow("ru") << "ru" << QString::fromUtf8("\xd0\xb4\xd0\xbe\xd0\xbc");               // дом
    QTest::newRow("es") << "es" << "casa";
    QTest::newRow("fr") << "fr" << "maison";
    QTest::newRow("de") << "de" << "Haus";
    QTest::newRow("it") << "it" << "casa";
    QTest::newRow("pt") << "pt" << "casa";
    QTest::newRow("zh") << "zh" << QString::fromUtf8("\xe6\x88\xbf\xe5\xad\x90");               // 房子
    QTest::newRow("ja") << "ja" << QString::fromUtf8("\xe3\x81\x84\xe3\x81\x88");               // いえ
    QTest::newRow("ko") << "ko" << QString::fromUtf8("\xec\xa7\x91");                           // 집
    QTest::newRow("tr") << "tr" << "ev";
    QTest::newRow("ar") << "ar" << QString::fromUtf8("\xd8\xa8\xd9\x8a\xd8\xaa");               // بيت
    QTest::newRow("unknown code") << "xx" << "house";
}

void TestSpeechSynthesis::synthesisPerLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    EspeakSpeechSynthesizer synth;
    const auto result = Waits::waitFor(synth.synthesize(word, code));
    QVERIFY(result.has_value());
    QVERIFY(result->has_value());
    const WavInfo info = inspect(**result);
    QVERIFY(info.valid);
    QCOMPARE(info.format, 1);
    QCOMPARE(info.channels, 1);
    QCOMPARE(info.bits, 16);
    QVERIFY(synth.sampleRate() > 0);
    QCOMPARE(info.sampleRate, synth.sampleRate());
    QVERIFY2(info.dataSize > info.sampleRate / 20, "less than 50 ms of speech");
    QVERIFY2(info.peak > 1000, "silent samples");
}

void TestSpeechSynthesis::emptyTextGivesNothing()
{
    EspeakSpeechSynthesizer synth;
    const auto wav = Waits::waitFor(synth.synthesize(QStringLiteral("  "), QStringLiteral("en")));
    QVERIFY(wav.has_value());
    QVERIFY(!wav->has_value());
    const auto ipa = Waits::waitFor(synth.transcribe(QString(), QStringLiteral("en")));
    QVERIFY(ipa.has_value());
    QVERIFY(!ipa->has_value());
}

void TestSpeechSynthesis::ipa_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en hello") << "en" << "hello" << QString::fromUtf8("h\xc9\x99l\xcb\x88o\xca\x8a");
    QTest::newRow("en water") << "en" << "water" << QString::fromUtf8("w\xcb\x88\xc9\x94\xcb\x90\xc9\xbe\xc9\x9a");
    QTest::newRow("ru privet") << "ru" << QString::fromUtf8("\xd0\xbf\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82")
                               << QString::fromUtf8("pr\xca\xb2iv\xca\xb2\xcb\x88\x65t");
    QTest::newRow("ru mama") << "ru" << QString::fromUtf8("\xd0\xbc\xd0\xb0\xd0\xbc\xd0\xb0")
                             << QString::fromUtf8("m\xcb\x88\xc9\x91ma");
    // Hanzi read as pinyin with tones, not as Latin letters and English digit names.
    QTest::newRow("zh nihao") << "zh" << QStringLiteral("你好") << QStringLiteral("nˈi2 χˈɑu2");
}

void TestSpeechSynthesis::ipa()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    QFETCH(QString, expected);
    EspeakSpeechSynthesizer synth;
    const auto result = Waits::waitFor(synth.transcribe(word, code));
    QVERIFY(result.has_value());
    QVERIFY(result->has_value());
    QCOMPARE(**result, expected);
}

void TestSpeechSynthesis::concurrentSyntheses()
{
    EspeakSpeechSynthesizer synth;
    const QStringList words = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                               QStringLiteral("four"), QStringLiteral("five"), QStringLiteral("six")};
    std::vector<int> resumes(size_t(words.size()), 0);
    std::vector<qsizetype> sizes(size_t(words.size()), 0);
    std::vector<QCoro::Task<void>> tasks;
    for (int i = 0; i < words.size(); ++i) {
        tasks.push_back([](EspeakSpeechSynthesizer& s, QString w, int& count, qsizetype& size) -> QCoro::Task<void> {
            const auto wav = co_await s.synthesize(w, QStringLiteral("en"));
            ++count;
            size = wav ? wav->size() : 0;
        }(synth, words[i], resumes[size_t(i)], sizes[size_t(i)]));
    }
    QVERIFY(Waits::waitUntil([&] { return std::all_of(resumes.begin(), resumes.end(), [](int c) { return c > 0; }); }));
    QTest::qWait(50);
    for (size_t i = 0; i < resumes.size(); ++i) {
        QCOMPARE(resumes[i], 1);
        QVERIFY(sizes[i] > 44);
    }
    // "three" is longer spoken than "one": each caller got its own speech, not a neighbour's.
    QVERIFY(sizes[2] != sizes[0]);
}

QTEST_GUILESS_MAIN(TestSpeechSynthesis)
#include "TestSpeechSynthesis.moc"
