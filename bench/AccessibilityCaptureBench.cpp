// Word capture through AT-SPI against real GTK 3 windows (labels, and a 900 × 560 text view that
// is one element for the whole document): p50/p95 of captureWordAt over every word of their text. Run inside the test
// desktop (scripts/test starts one; or scripts/run prints how to reach it). Prints its figures.
#include "capture/AccessibilityWordCapture.h"
#include "platform/atspi/AtspiDesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Captures every word of the window `view` describes (labels without it) for a few rounds and
// prints the figures; false when the window did not start.
bool measure(const QString& sourceDir, const QStringList& lines, const QJsonValue& view, const char* kind)
{
    QJsonArray words;
    for (int line = 0; line < lines.size(); ++line) {
        for (const QString& word : lines[line].split(QLatin1Char(' ')))
            words.append(QJsonArray { line, word.left(word.size() - (word.endsWith(QLatin1Char('.')) ? 1 : 0)) });
    }
    QJsonObject setup { { "x", 50 }, { "y", 50 }, { "lines", QJsonArray::fromStringList(lines) }, { "words", words } };
    if (!view.isNull())
        setup.insert(QStringLiteral("view"), view);
    QProcess window;
    window.start(QStringLiteral("/usr/bin/python3"),
        { sourceDir + QStringLiteral("/tests/capture/gtk_text_window.py"),
            QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
    if (!window.waitForStarted() || !window.waitForReadyRead(15000))
        return false;
    const QJsonArray points
        = QJsonDocument::fromJson(window.readLine()).object().value(QStringLiteral("points")).toArray();
    QThread::msleep(500);

    AtspiDesktop desktop;
    AccessibilityWordCapture capture(desktop);
    std::vector<double> times;
    int captured = 0;
    for (int round = 0; round < 8; ++round) {
        for (const QJsonValue& value : points) {
            const QPointF point(value.toArray().at(0).toDouble(), value.toArray().at(1).toDouble());
            QElapsedTimer timer;
            timer.start();
            const auto result = capture.captureWordAt(point);
            times.push_back(timer.nsecsElapsed() / 1e6);
            captured += result && !result->word.trimmed().isEmpty() ? 1 : 0;
        }
    }
    window.kill();
    window.waitForFinished();
    std::sort(times.begin(), times.end());
    std::printf("captureWordAt over %zu points (%s): p50 %.2f ms  p95 %.2f ms  max %.2f ms  "
                "(target p95 15 ms); %d captured\n",
        times.size(), kind, times[times.size() / 2], times[times.size() * 95 / 100], times.back(), captured);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_accessibility_capture <source dir>\n");
        return 2;
    }
    const QString sourceDir = QString::fromLocal8Bit(argv[1]);
    const QStringList lines { QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank."),
        QStringLiteral("Reading every morning makes a new language feel like home."),
        QStringLiteral("Мы пили чай вечером у окна и говорили о книгах.") };
    if (!measure(sourceDir, lines, QJsonValue(), "GTK 3 labels")
        || !measure(sourceDir, lines, QJsonArray { 900, 560 }, "GTK 3 text view, 900 x 560")) {
        std::fprintf(stderr, "the test window did not start\n");
        return 1;
    }
    return 0;
}
