// Screen text recognition over a corpus of rendered paragraphs: screenshot time on the X server,
// captureWord time for the band-first path and for the whole region, and how often the word and
// the sentence come out exactly as a perfect reading of the page gives them. Pinned to one core.
//   bench_ocr_capture [--quick] [--verbose] [--upscale N]
// Run inside the test desktop for the screenshot figures (scripts/test starts one).
#include "capture/OCRLanguages.h"
#include "capture/ScreenOCRCapture.h"
#include "capture/ScreenWordPicker.h"
#include "platform/tesseract/TesseractRecognizer.h"
#include "platform/x11/X11ScreenGrabber.h"
#include "support/FakeScreenGrabber.h"
#include "support/RenderedPage.h"
#include "support/Waits.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>

#include <sched.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Corpus
{
    QString language;
    QStringList lines;
};

const QList<Corpus>& corpora()
{
    static const QList<Corpus> all {
        { QStringLiteral("en"),
            { QStringLiteral("The weather was lovely this morning, so we walked down to the harbour."),
                QStringLiteral("After lunch we visited the old library near the market square"),
                QStringLiteral("and bought two postcards for our grandparents.") } },
        { QStringLiteral("ru"),
            { QString::fromUtf8("Вчера вечером мы долго гуляли по старому городу."),
                QString::fromUtf8("Потом мы пили горячий чай в маленьком кафе"),
                QString::fromUtf8("на берегу широкой реки и говорили о книгах.") } },
        { QStringLiteral("es"),
            { QString::fromUtf8("Mañana temprano iremos a la playa con nuestros amigos."),
                QString::fromUtf8("¿Quieres venir también? Llevaremos comida, agua"),
                QString::fromUtf8("y una sombrilla grande para toda la tarde.") } },
        { QStringLiteral("de"),
            { QString::fromUtf8("Die Kinder spielen heute Nachmittag im großen Garten."),
                QString::fromUtf8("Später gehen wir zusammen in das neue Museum"),
                QString::fromUtf8("und essen danach ein Stück Kuchen am Fluss.") } },
        { QStringLiteral("fr"),
            { QString::fromUtf8("Nous avons mangé une délicieuse tarte aux pommes."),
                QString::fromUtf8("Ensuite, nous sommes allés au théâtre avec"),
                QString::fromUtf8("les voisins qui habitent au troisième étage.") } },
    };
    return all;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

struct Tally
{
    int cases = 0;
    int words = 0;
    int sentences = 0;
    void add(bool word, bool sentence)
    {
        ++cases;
        words += word;
        sentences += sentence;
    }
    void print(const char* label) const
    {
        if (cases == 0)
            return;
        std::printf("  %-28s %4d cases  word %.1f %%  sentence %.1f %%\n", label, cases, 100.0 * words / cases,
            100.0 * sentences / cases);
    }
};

void benchScreenshots()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("screenshot: no X display, skipped\n");
        return;
    }
    for (const bool shared : { true, false }) {
        X11ScreenGrabber grabber;
        grabber.setSharedMemoryAllowed(shared);
        std::vector<double> times;
        for (int i = 0; i < 40; ++i) {
            QElapsedTimer timer;
            timer.start();
            const ScreenGrabber::Grab grab = grabber.grab(QRect(100 + i, 100, 1400, 800));
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (grab.image.isNull()) {
                std::printf("screenshot failed: %s\n", qPrintable(grab.error));
                return;
            }
        }
        std::printf("screenshot 1400x800 (%s): p50 %.2f ms, p95 %.2f ms\n", shared ? "MIT-SHM" : "GetImage",
            percentile(times, 0.5), percentile(times, 0.95));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    TesseractRecognizer::limitThreadsBeforeStart(argv);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool quick = args.contains(QStringLiteral("--quick"));
    const bool verbose = args.contains(QStringLiteral("--verbose"));
    int upscale = 2;
    if (const qsizetype at = args.indexOf(QStringLiteral("--upscale")); at >= 0 && at + 1 < args.size())
        upscale = args[at + 1].toInt();

    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    sched_setaffinity(0, sizeof(one), &one); // the worker thread inherits it

    benchScreenshots();

    TesseractRecognizer recognizer(TesseractRecognizer::Options { upscale, {} });
    const QStringList families { QStringLiteral("Noto Sans"), QStringLiteral("Noto Serif"),
        QStringLiteral("DejaVu Sans") };
    const QList<int> sizes = args.contains(QStringLiteral("--tiny")) ? QList<int> { 16 }
        : quick                                                      ? QList<int> { 11, 13, 16, 20 }
                                                                     : QList<int> { 11, 12, 13, 14, 16, 18, 20 };
    std::vector<double> bandTimes, fullTimes, firstTimes;
    int fellBack = 0;
    int firstCaptures = 0;
    Tally target, small, mismatchedPaths;
    std::map<QString, Tally> perLanguage;
    int page = 0;
    for (const Corpus& corpus : corpora()) {
        const QStringList languages
            = OCRLanguages::forStudy(corpus.language, TesseractRecognizer::installedLanguagesIn({}));
        recognizer.prepareAndWait(languages);
        for (const QString& family : families) {
            if (!QFontDatabase::families().contains(family))
                continue;
            for (const int size : sizes) {
                for (const bool dark : { false, true }) {
                    const RenderedPage rendered { family, size, dark, corpus.lines };
                    FakeScreenGrabber grabber;
                    rendered.render(grabber.screen);
                    const QList<RecognizedLine> truth = rendered.truth();
                    const QList<RenderedPage::Word> words = rendered.words();
                    ScreenOCRCapture::Environment environment;
                    environment.screens = [] {
                        return QList<ScreenOCRCapture::Screen> { { QRect(0, 0, 1920, 1080), 1.0 } };
                    };
                    environment.languages = [languages] { return languages; };
                    ScreenOCRCapture capture(grabber, recognizer, environment);
                    const int samples = quick ? 2 : 3;
                    const bool measureFull = page++ % 3 == 0;
                    for (int k = 0; k < samples; ++k) {
                        const RenderedPage::Word& word = words[(k * words.size()) / samples + 1];
                        const auto expected = ScreenWordPicker::pick(truth, QPointF(word.centre));
                        capture.setBandFirst(true);
                        QElapsedTimer timer;
                        timer.start();
                        const auto got
                            = Waits::waitFor(capture.captureWord(PhysicalPoint::fromQPoint(word.centre)), 60000);
                        const double ms = double(timer.nsecsElapsed()) / 1e6;
                        firstTimes.push_back(ms);
                        ++firstCaptures;
                        if (capture.lastUsedBand())
                            bandTimes.push_back(ms);
                        else
                            ++fellBack;
                        const auto result = got ? *got : std::nullopt;
                        const bool wordRight = result && expected && result->word == expected->word;
                        const bool sentenceRight = result && expected && result->sentence == expected->sentence;
                        (size >= 13 ? target : small).add(wordRight, sentenceRight);
                        if (verbose && (!wordRight || !sentenceRight))
                            std::printf("miss %s %dpx %s: \"%s\" / \"%s\"  read \"%s\" / \"%s\"\n", qPrintable(family),
                                size, dark ? "dark" : "light", qPrintable(expected ? expected->word : QString()),
                                qPrintable(expected ? expected->sentence : QString()),
                                qPrintable(result ? result->word : QString()),
                                qPrintable(result ? result->sentence : QString()));
                        if (size >= 13)
                            perLanguage[corpus.language].add(wordRight, sentenceRight);
                        if (measureFull) {
                            capture.setBandFirst(false);
                            timer.restart();
                            const auto whole
                                = Waits::waitFor(capture.captureWord(PhysicalPoint::fromQPoint(word.centre)), 60000);
                            fullTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
                            const auto wholeResult = whole ? *whole : std::nullopt;
                            mismatchedPaths.add(wholeResult == result, true);
                        }
                    }
                }
            }
        }
    }
    std::printf("captureWord, band first (upscale %dx, one core): %d captures, p50 %.0f ms, p95 %.0f ms; "
                "band enough %d, whole region needed %d\n",
        upscale, firstCaptures, percentile(firstTimes, 0.5), percentile(firstTimes, 0.95), firstCaptures - fellBack,
        fellBack);
    std::printf(
        "  band path only:   p50 %.0f ms, p95 %.0f ms\n", percentile(bandTimes, 0.5), percentile(bandTimes, 0.95));
    std::printf("  whole region:     p50 %.0f ms, p95 %.0f ms (%zu captures)\n", percentile(fullTimes, 0.5),
        percentile(fullTimes, 0.95), fullTimes.size());
    std::printf("  band and whole region agree: %d of %d\n", mismatchedPaths.words, mismatchedPaths.cases);
    std::printf("accuracy (exact word / exact sentence):\n");
    target.print("Latin/Cyrillic 13-20 px");
    small.print("Latin/Cyrillic 11-12 px");
    for (const auto& [language, tally] : perLanguage)
        tally.print(qPrintable(QStringLiteral("  %1 13-20 px").arg(language)));
    return 0;
}
