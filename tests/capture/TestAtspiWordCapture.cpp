#include "capture/AccessibilityWordCapture.h"
#include "platform/atspi/AtspiDesktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTest>

// Word capture against real applications on the accessibility bus of the test desktop: GTK 3
// windows with known text, placed where the test wants them.
class TestAtspiWordCapture : public QObject
{
    Q_OBJECT

    // Sanitizer builds run several times slower; the budget itself is tested against a fake tree.
    static constexpr int kGenerousBudgetMs = 3000;

private:
    struct Window
    {
        std::unique_ptr<QProcess> process;
        QList<QPointF> points;
        Window() = default;
        Window(Window&&) = default;
        ~Window() { close(*this); }
    };

    static QString script()
    {
        return QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/capture/gtk_text_window.py");
    }

    Window open(const QJsonObject& setup)
    {
        Window window;
        window.process = std::make_unique<QProcess>();
        window.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's interpreter, which has the GTK bindings (another python3 may come first in PATH).
        window.process->start(QStringLiteral("/usr/bin/python3"),
            { script(), QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
        if (!window.process->waitForStarted(5000) || !window.process->waitForReadyRead(15000))
            return window;
        const QJsonObject report = QJsonDocument::fromJson(window.process->readLine()).object();
        for (const QJsonValue& point : report.value(QStringLiteral("points")).toArray())
            window.points << QPointF(point.toArray().at(0).toDouble(), point.toArray().at(1).toDouble());
        // Give the toolkit's accessibility bridge a moment to register the new window.
        QTest::qWait(300);
        return window;
    }

    static void close(Window& window)
    {
        if (window.process && window.process->state() != QProcess::NotRunning) {
            window.process->kill();
            window.process->waitForFinished(3000);
        }
    }

    static QJsonObject setup(int x, int y, const QStringList& lines, const QJsonArray& words)
    {
        return { { "x", x }, { "y", y }, { "lines", QJsonArray::fromStringList(lines) }, { "words", words } };
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() || qgetenv("DISPLAY").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
    }

    void wordsOfAGtkWindow()
    {
        const QStringList lines { QStringLiteral("There was a cat. The quick brown fox jumps over the lazy dog."),
            QStringLiteral("Мы пили чай вечером у окна."), QStringLiteral("我们今天学习中文。") };
        QJsonArray words { QJsonArray { 0, "brown", 0 }, QJsonArray { 0, "the", 0 }, QJsonArray { 1, "чай", 0 },
            QJsonArray { 2, "学习", 0 } };
        Window window = open(setup(40, 60, lines, words));
        QCOMPARE(window.points.size(), 4);
        AtspiDesktop desktop;
        QVERIFY(desktop.isValid());
        AccessibilityWordCapture capture(desktop);
        capture.setTimeBudgetMs(kGenerousBudgetMs);

        struct Expected
        {
            QString word;
            QString sentence;
        };
        const QList<Expected> expected {
            { QStringLiteral("brown"), QStringLiteral("The quick brown fox jumps over the lazy dog.") },
            { QStringLiteral("the"), QStringLiteral("The quick brown fox jumps over the lazy dog.") },
            { QStringLiteral("чай"), QStringLiteral("Мы пили чай вечером у окна.") },
            // A run of Han words is taken as one compound.
            { QStringLiteral("我们今天学习中文"), QStringLiteral("我们今天学习中文。") },
        };
        for (qsizetype i = 0; i < expected.size(); ++i) {
            // A loaded machine may still be registering the window's labels on the bus.
            std::optional<WordCaptureService::CaptureResult> result;
            QTRY_VERIFY_WITH_TIMEOUT((result = capture.captureWordAt(window.points[i])).has_value(), 5000);
            QCOMPARE(result->word, expected[i].word);
            QCOMPARE(result->sentence, expected[i].sentence);
            QVERIFY(!result->isLowConfidence);
            QVERIFY(result->bounds && result->bounds->contains(window.points[i]));
        }
        close(window);
    }

    void wordsOfAQtWindow()
    {
        Window window;
        window.process = std::make_unique<QProcess>();
        window.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QJsonObject setup { { "x", 60 }, { "y", 500 },
            { "text", "Learning by immersion works. Every evening she read the news aloud." },
            { "words", QJsonArray { "immersion", "evening", "news" } } };
        window.process->start(QStringLiteral(QM_QT_TEXT_WINDOW),
            { QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
        QVERIFY(window.process->waitForStarted(5000));
        QVERIFY(window.process->waitForReadyRead(15000));
        const QJsonArray points
            = QJsonDocument::fromJson(window.process->readLine()).object().value(QStringLiteral("points")).toArray();
        QCOMPARE(points.size(), 3);
        QTest::qWait(300);
        AtspiDesktop desktop;
        AccessibilityWordCapture capture(desktop);
        capture.setTimeBudgetMs(kGenerousBudgetMs);
        const QStringList words { "immersion", "evening", "news" };
        const QStringList sentences { "Learning by immersion works.", "Every evening she read the news aloud.",
            "Every evening she read the news aloud." };
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QPointF point(points[i].toArray().at(0).toDouble(), points[i].toArray().at(1).toDouble());
            const auto result = capture.captureWordAt(point);
            QVERIFY2(result, qPrintable(words[i]));
            QCOMPARE(result->word, words[i]);
            QCOMPARE(result->sentence, sentences[i]);
        }
    }

    void theWindowOnTopWins()
    {
        Window below = open(setup(300, 400, { QStringLiteral("Below window text here.") },
            QJsonArray { QJsonValue(QJsonArray { 0, "window", 0 }) }));
        QCOMPARE(below.points.size(), 1);
        Window above = open(setup(300, 400, { QStringLiteral("Upper layer words shown.") },
            QJsonArray { QJsonValue(QJsonArray { 0, "layer", 0 }) }));
        QCOMPARE(above.points.size(), 1);
        AtspiDesktop desktop;
        AccessibilityWordCapture capture(desktop);
        capture.setTimeBudgetMs(kGenerousBudgetMs);
        const auto result = capture.captureWordAt(above.points.first());
        QVERIFY(result);
        QCOMPARE(result->sentence, QStringLiteral("Upper layer words shown."));
        close(above);
        close(below);
    }

    void ownWindowsAreNeverRead()
    {
        QLabel label(QStringLiteral("Quillmoor's own panel text"));
        label.setWindowFlag(Qt::FramelessWindowHint);
        label.setGeometry(700, 700, 300, 40);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        AtspiDesktop desktop;
        AccessibilityWordCapture capture(desktop);
        capture.setTimeBudgetMs(kGenerousBudgetMs);
        QCOMPARE(desktop.topWindowAt(QPoint(750, 720)).value_or(AtspiDesktop::TopWindow {}).pid,
            QCoreApplication::applicationPid());
        QCOMPARE(capture.captureWordAt(QPointF(750, 720)), std::nullopt);
    }

    void nothingUnderAnEmptyDesktop()
    {
        AtspiDesktop desktop;
        AccessibilityWordCapture capture(desktop);
        capture.setTimeBudgetMs(kGenerousBudgetMs);
        QCOMPARE(capture.captureWordAt(QPointF(1900, 1070)), std::nullopt);
    }
};

QTEST_MAIN(TestAtspiWordCapture)
#include "TestAtspiWordCapture.moc"
