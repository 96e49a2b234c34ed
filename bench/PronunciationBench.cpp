// Speech synthesis per word and the time from a play click to sound coming out. Playback needs a
// sound server (scripts/test's desktop has a null sink); without one only synthesis is measured.
#include "platform/AudioPlayback.h"
#include "platform/espeak/EspeakSpeechSynthesizer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QCoroTask>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

template <typename T> T await(QCoro::Task<T> task)
{
    std::optional<T> result;
    QEventLoop loop;
    auto runner = [&]() -> QCoro::Task<void> {
        result = co_await std::move(task);
        loop.quit();
    };
    auto running = runner();
    if (!result)
        loop.exec();
    return *result;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    EspeakSpeechSynthesizer synth;
    const QStringList words { "house", "window", "beautiful", "run", "remember", "language", "mountain", "quickly",
        "table", "between", "thought", "yesterday", "kitchen", "answer", "apple", "river", "morning", "friend", "water",
        "light" };
    await(synth.synthesize(QStringLiteral("warm up"), QStringLiteral("en")));
    std::vector<double> times;
    QByteArray clip;
    for (int round = 0; round < 5; ++round) {
        for (const QString& word : words) {
            QElapsedTimer timer;
            timer.start();
            const std::optional<QByteArray> wav = await(synth.synthesize(word, QStringLiteral("en")));
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (wav)
                clip = *wav;
        }
    }
    std::printf("synthesis per word (%zu words): p50 %.2f ms  p95 %.2f ms  (target 20 ms)\n", times.size(),
        percentile(times, 0.5), percentile(times, 0.95));

    if (QMediaDevices::defaultAudioOutput().isNull()) {
        std::printf("playback: no audio output device, not measured\n");
        return 0;
    }
    AudioPlayback playback;
    std::vector<double> firstAudio;
    for (int i = 0; i < 20; ++i) {
        QEventLoop loop;
        QElapsedTimer timer;
        double elapsed = -1;
        // The device may report activity inside play() already.
        const auto done = [&] {
            if (elapsed < 0)
                elapsed = timer.nsecsElapsed() / 1e6;
            loop.quit();
        };
        const auto a = QObject::connect(&playback, &AudioPlayback::audible, &loop, done);
        const auto f = QObject::connect(&playback, &AudioPlayback::failed, &loop, done);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        timer.start();
        playback.play(clip, QStringLiteral("wav"));
        if (elapsed < 0)
            loop.exec();
        QObject::disconnect(a);
        QObject::disconnect(f);
        firstAudio.push_back(elapsed < 0 ? 5000 : elapsed);
        playback.stop();
    }
    std::printf("play click to first audio (%zu plays): p50 %.1f ms  p95 %.1f ms  first %.1f ms  (target 50 ms)\n",
        firstAudio.size(), percentile(firstAudio, 0.5), percentile(firstAudio, 0.95), firstAudio.front());
    return 0;
}
