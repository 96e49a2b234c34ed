#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <memory>

// A window with known text in another process, for the accessibility tests (Quillmoor never
// reads its own windows): tests/capture/gtk_text_window.py or the qt_text_window program. Once
// shown, the window prints the screen point of each requested word; it is killed with this object.
struct TextWindowProcess
{
    std::unique_ptr<QProcess> process;
    QList<QPointF> points;

    TextWindowProcess() = default;
    TextWindowProcess(TextWindowProcess&&) = default;
    ~TextWindowProcess() { close(); }

    bool isOpen() const { return process && !points.isEmpty(); }
    void close()
    {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(3000);
        }
    }

    static TextWindowProcess start(const QString& program, QStringList arguments, const QJsonObject& setup)
    {
        TextWindowProcess window;
        window.process = std::make_unique<QProcess>();
        window.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        arguments << QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact));
        window.process->start(program, arguments);
        if (!window.process->waitForStarted(5000) || !window.process->waitForReadyRead(15000))
            return window;
        const QJsonObject report = QJsonDocument::fromJson(window.process->readLine()).object();
        for (const QJsonValue& point : report.value(QStringLiteral("points")).toArray())
            window.points << QPointF(point.toArray().at(0).toDouble(), point.toArray().at(1).toDouble());
        QTest::qWait(300); // the toolkit's accessibility bridge registers the window
        return window;
    }

    // GTK 3 labels: {"x", "y", "lines": [..], "words": [[line, word], ..], "select"}.
    // Debian's interpreter, which has the GTK bindings (another python3 may come first in PATH).
    static TextWindowProcess gtk(const QJsonObject& setup)
    {
        return start(QStringLiteral("/usr/bin/python3"),
            { QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/capture/gtk_text_window.py") },
            setup);
    }
};
