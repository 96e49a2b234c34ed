// From the trigger's key press to the lookup card on screen with the word: the whole application
// in this process, a real GTK 3 window, key and pointer driven through XTest from a second X
// connection. Each hover alternates between two words, so every one is a new capture. Run inside
// the test desktop (scripts/test starts one). Prints the first lookup after launch on its own,
// then p50/p95 over the other hovers, to the card on screen and to its translation. With --ocr the
// window keeps out of the accessibility bus, so every word is read from a screenshot; with --view
// the text is a 900 × 560 text view (one element for the whole document) instead of a label.
//   bench_lookup_latency <source dir> [hovers] [--ocr] [--view]
#include "app/QuillmoorApp.h"
#include "panels/CaptureOverlayWindow.h"
#include "panels/LookupCardModel.h"
#include "platform/tesseract/TesseractRecognizer.h"
#include "preferences/Preferences.h"
#include "store/CardStores.h"
#include "support/TempXdgHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// X.h's event-type macros collide with Qt's names.
#undef Expose

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the panel's window is exposed (mapped and drawable) after a press.
class ExposeWatch : public QObject
{
public:
    QElapsedTimer* clock = nullptr;
    double exposedAtMs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && exposedAtMs < 0 && static_cast<QWindow*>(watched)->isExposed())
            exposedAtMs = clock->nsecsElapsed() / 1e6;
        return false;
    }
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char* argv[])
{
    TesseractRecognizer::limitThreadsBeforeStart(argv);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_lookup_latency <source dir> [hovers] [--ocr]\n");
        return 2;
    }
    const bool viaScreen = application.arguments().contains(QStringLiteral("--ocr"));
    const bool textView = application.arguments().contains(QStringLiteral("--view"));
    const int hovers = argc > 2 && argv[2][0] != '-' ? std::max(2, atoi(argv[2])) : 120;
    TempXdgHome home;
    {
        Preferences seed(home.defaultsFile());
        seed.onboarding().setHasCompletedOnboarding(true);
        seed.translation().setStudyLanguageCode(QStringLiteral("en"));
        seed.translation().setTargetLanguageCode(QStringLiteral("es"));
        // Nothing listens on the discard port: remote steps fail at once and do not disturb the figures.
        seed.store().setValue(QStringLiteral("languageModel.baseURL"), QStringLiteral("http://127.0.0.1:9/v1"));
        seed.store().setValue(QStringLiteral("dictionary.baseURL"), QStringLiteral("http://127.0.0.1:9"));
    }
    const auto quillmoor = QuillmoorApp::create({ home.defaultsFile(), home.diagnosticsFile(), home.cardsFile() });
    if (!quillmoor)
        return 1;
    QuillmoorApp& app = *quillmoor;
    app.start();
    if (!app.overlayPanel()) {
        std::fprintf(stderr, "no X11 desktop\n");
        return 1;
    }

    QJsonObject setup { { "x", 60 }, { "y", 80 },
        { "lines", QJsonArray { QStringLiteral("The house is on the hill, and the old man lives there.") } },
        { "words", QJsonArray { QJsonValue(QJsonArray { 0, "house" }), QJsonValue(QJsonArray { 0, "hill" }) } } };
    if (textView)
        setup.insert(QStringLiteral("view"), QJsonArray { 900, 560 });
    QProcess window;
    if (viaScreen) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        window.setProcessEnvironment(environment);
    }
    window.start(QStringLiteral("/usr/bin/python3"),
        { QString::fromLocal8Bit(argv[1]) + QStringLiteral("/tests/capture/gtk_text_window.py"),
            QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact)) });
    if (!window.waitForStarted() || !window.waitForReadyRead(15000)) {
        std::fprintf(stderr, "the test window did not start\n");
        return 1;
    }
    const QJsonArray points
        = QJsonDocument::fromJson(window.readLine()).object().value(QStringLiteral("points")).toArray();
    QTest::qWait(viaScreen ? 2500 : 800); // the recogniser warms up after start-up

    Display* driver = XOpenDisplay(nullptr);
    const KeyCode alt = XKeysymToKeycode(driver, XK_Alt_L);
    QWidget& panel = app.overlayPanel()->window();
    ExposeWatch watch;
    QElapsedTimer clock;
    watch.clock = &clock;
    std::vector<double> times, translated;
    double firstShown = -1, firstTranslated = -1;
    int missed = 0;
    for (int hover = 0; hover < hovers; ++hover) {
        const QJsonArray point = points.at(hover % 2).toArray();
        const QString expected = hover % 2 ? QStringLiteral("hill") : QStringLiteral("house");
        XTestFakeMotionEvent(driver, -1, int(point.at(0).toDouble()), int(point.at(1).toDouble()), CurrentTime);
        XSync(driver, False);
        QTest::qWait(60);
        if (panel.windowHandle())
            panel.windowHandle()->installEventFilter(&watch);
        watch.exposedAtMs = -1;
        clock.start();
        XTestFakeKeyEvent(driver, alt, True, CurrentTime);
        XFlush(driver);
        const bool shown = QTest::qWaitFor(
            [&] {
                if (!panel.windowHandle())
                    return false;
                panel.windowHandle()->installEventFilter(&watch);
                return watch.exposedAtMs >= 0 && app.overlayPanel()->view()
                    && app.overlayPanel()->view()->model().word() == expected;
            },
            viaScreen ? 6000 : 3000);
        const bool hasTranslation = shown
            && QTest::qWaitFor([&] { return app.overlayPanel()->view()->model().translatedWord().has_value(); }, 3000);
        const double translatedAt = clock.nsecsElapsed() / 1e6;
        if (!shown || !hasTranslation) {
            ++missed;
        } else if (hover == 0) {
            firstShown = watch.exposedAtMs;
            firstTranslated = translatedAt;
        } else {
            times.push_back(watch.exposedAtMs);
            translated.push_back(translatedAt);
        }
        XTestFakeKeyEvent(driver, alt, False, CurrentTime);
        XFlush(driver);
        (void)QTest::qWaitFor([&] { return !panel.isVisible(); }, 2000);
        QTest::qWait(40);
    }
    XCloseDisplay(driver);
    window.kill();
    window.waitForFinished(3000);
    std::printf("lookup latency, %s path, %s (key press -> card exposed with the word / with its translation), "
                "%zu hovers, %d missed\n",
        viaScreen ? "screenshot" : "accessibility", textView ? "900 x 560 text view" : "label", times.size(), missed);
    std::printf("  first after launch: %.1f ms / %.1f ms\n", firstShown, firstTranslated);
    std::printf("  then: p50 %.1f / %.1f ms   p95 %.1f / %.1f ms   max %.1f ms\n", percentile(times, 0.5),
        percentile(translated, 0.5), percentile(times, 0.95), percentile(translated, 0.95),
        times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()));
    return missed > hovers / 10 ? 1 : 0;
}
