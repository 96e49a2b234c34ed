// Word capture through AT-SPI against a real GTK 3 window: p50/p95 of captureWordAt over a grid
// of points across its text. Run inside the test desktop (scripts/test starts one; or
// scripts/run prints how to reach it). Prints its figures.
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_accessibility_capture <source dir>\n");
        return 2;
    }
    const QStringList lines { QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank."),
        QStringLiteral("Reading every morning makes a new language feel like home."),
        QStringLiteral("Мы пили чай вечером у окна и говорили о книгах.") };
    QJsonArray words;
    for (int line = 0; line < lines.size(); ++line) {
        for (const QString& word : lines[line].split(QLatin1Char(' ')))
            words.append(QJsonArray { line, word.left(word.size() - (word.endsWith(QLatin1Char('.')) ? 1 : 0)) });
    }
    const QJsonObject setup { { "x", 50 }, { "y", 50 }, { "lines", QJsonArray::fromStringList(lines) },
        { "words", words } };
    QProcess window;
    window.start(QStringLiteral("/usr/bin/python3"),
        { QString::fromLocal8Bit(argv[1]) + QStringLiteral("/tests/capture/gtk_text_window.py"),
            QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
    if (!window.waitForStarted() || !window.waitForReadyRead(15000)) {
        std::fprintf(stderr, "the test window did not start\n");
        return 1;
    }
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
    std::printf("captureWordAt over %zu points (GTK 3 labels): p50 %.2f ms  p95 %.2f ms  max %.2f ms  "
                "(target p95 15 ms); %d captured\n",
        times.size(), times[times.size() / 2], times[times.size() * 95 / 100], times.back(), captured);
    return 0;
}
