#include "capture/ScreenOCRCapture.h"
#include "platform/ScreenGrabber.h"
#include "platform/TextRecognizer.h"

#include "support/FakeScreenGrabber.h"
#include "support/Waits.h"

#include <QPainter>
#include <QTest>

namespace {

// Answers each request with the next prepared result, in the image's own coordinates.
class FakeRecognizer : public TextRecognizer
{
public:
    QList<Recognition> answers;
    QList<QImage> images;
    QList<QStringList> languages;

    QCoro::Task<Recognition> recognize(QImage image, QStringList langs, QPoint) override
    {
        images.append(image);
        languages.append(langs);
        co_return answers.isEmpty() ? Recognition {} : answers.takeFirst();
    }
    void prepare(QStringList) override { }
    QStringList installedLanguages() const override { return { QStringLiteral("eng") }; }
};

RecognizedLine line(const QString& text, QRectF rect)
{
    return { text, rect, { { 0, text.size(), rect } } };
}

ScreenOCRCapture::Environment oneScreen(QRect geometry = QRect(0, 0, 1920, 1080), qreal scale = 1.0)
{
    ScreenOCRCapture::Environment environment;
    environment.screens = [=] { return QList<ScreenOCRCapture::Screen> { { geometry, scale } }; };
    environment.languages = [] { return QStringList { QStringLiteral("spa"), QStringLiteral("eng") }; };
    return environment;
}

} // namespace

class TestScreenOCRCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void region_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("region");
        const QRect fullHd(0, 0, 1920, 1080);
        QTest::newRow("centred") << QPoint(960, 540) << fullHd << 1.0 << QRect(260, 140, 1400, 800);
        QTest::newRow("right edge shifts left") << QPoint(1910, 540) << fullHd << 1.0 << QRect(520, 140, 1400, 800);
        QTest::newRow("top-left corner") << QPoint(5, 5) << fullHd << 1.0 << QRect(0, 0, 1400, 800);
        QTest::newRow("bottom edge shifts up") << QPoint(960, 1075) << fullHd << 1.0 << QRect(260, 280, 1400, 800);
        QTest::newRow("second screen") << QPoint(2100, 100) << QRect(1920, 0, 1600, 1024) << 1.0
                                       << QRect(1920, 0, 1400, 800);
        QTest::newRow("narrow screen sticks out left")
            << QPoint(1930, 100) << QRect(1920, 0, 1280, 1024) << 1.0 << QRect(1800, 0, 1400, 800);
        QTest::newRow("small screen sticks out left and top")
            << QPoint(500, 300) << QRect(0, 0, 1024, 600) << 1.0 << QRect(-376, -200, 1400, 800);
        QTest::newRow("scale two") << QPoint(1920, 1080) << QRect(0, 0, 3840, 2160) << 2.0
                                   << QRect(520, 280, 2800, 1600);
    }
    void region()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QFETCH(qreal, scale);
        QFETCH(QRect, region);
        QCOMPARE(ScreenOCRCapture::captureRegion(pointer, screen, scale), region);
    }

    void bandSuffices_data()
    {
        QTest::addColumn<QRectF>("lineRect");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("suffices");
        // The band is y 380…620 of the region 140…940.
        QTest::newRow("small line at the pointer") << QRectF(300, 492, 300, 16) << QPoint(400, 500) << true;
        QTest::newRow("no line at the pointer") << QRectF(300, 530, 300, 16) << QPoint(400, 500) << false;
        QTest::newRow("tall line reaches past the band") << QRectF(300, 460, 300, 80) << QPoint(400, 500) << false;
        QTest::newRow("band at the region's top edge") << QRectF(300, 142, 300, 40) << QPoint(400, 160) << true;
    }
    void bandSuffices()
    {
        QFETCH(QRectF, lineRect);
        QFETCH(QPoint, pointer);
        QFETCH(bool, suffices);
        const QRect region(260, 140, 1400, 800);
        const QRect band = ScreenOCRCapture::bandAround(pointer, region, 1.0);
        QCOMPARE(
            ScreenOCRCapture::bandSuffices({ line(QStringLiteral("x"), lineRect) }, pointer, band, region), suffices);
    }

    void bandPathMapsCoordinates()
    {
        FakeScreenGrabber grabber;
        FakeRecognizer recognizer;
        // The region is (0, 100) and its band y 380…620, so band (300, 112) is global (300, 492).
        recognizer.answers.append({ { line(QStringLiteral("hola mundo"), QRectF(300, 112, 200, 16)) }, {} });
        ScreenOCRCapture capture(grabber, recognizer, oneScreen());
        int screenshots = 0;
        const auto result = Waits::waitFor(capture.captureWord({ 400, 500 }, [&] { ++screenshots; }));
        QVERIFY(result && *result);
        QCOMPARE((*result)->word, QStringLiteral("hola"));
        QCOMPARE(screenshots, 1);
        QVERIFY(capture.lastUsedBand());
        QCOMPARE(grabber.requests, QList<QRect> { QRect(0, 100, 1400, 800) });
        QCOMPARE(recognizer.images.size(), 1);
        QCOMPARE(recognizer.images.first().size(), QSize(1400, 240));
        QCOMPARE(recognizer.languages.first(), (QStringList { QStringLiteral("spa"), QStringLiteral("eng") }));
    }

    void fullRegionWhenTheBandHasNoLineAtThePointer()
    {
        FakeScreenGrabber grabber;
        FakeRecognizer recognizer;
        recognizer.answers.append({ { line(QStringLiteral("elsewhere"), QRectF(40, 10, 200, 16)) }, {} });
        recognizer.answers.append({ { line(QStringLiteral("lejos"), QRectF(100, 700, 200, 16)) }, {} });
        ScreenOCRCapture capture(grabber, recognizer, oneScreen());
        const auto result = Waits::waitFor(capture.captureWord({ 400, 500 }));
        QVERIFY(result && *result);
        QVERIFY(!capture.lastUsedBand());
        QCOMPARE(recognizer.images.size(), 2);
        QCOMPARE(recognizer.images.last().size(), QSize(1400, 800));
        // The only line is the nearest one: "elsewhere" from the band is not taken.
        QCOMPARE((*result)->word, QStringLiteral("lejos"));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("grabFails");
        QTest::addColumn<bool>("noScreens");
        QTest::addColumn<QString>("recognitionError");
        QTest::addColumn<bool>("screenshotAction");
        QTest::newRow("screenshot refused") << true << false << QString() << false;
        QTest::newRow("no screen") << false << true << QString() << false;
        QTest::newRow("recognition failed") << false << false << QStringLiteral("broken") << true;
        QTest::newRow("no text") << false << false << QString() << true;
    }
    void failures()
    {
        QFETCH(bool, grabFails);
        QFETCH(bool, noScreens);
        QFETCH(QString, recognitionError);
        QFETCH(bool, screenshotAction);
        FakeScreenGrabber grabber;
        grabber.fail = grabFails;
        FakeRecognizer recognizer;
        recognizer.answers = { { {}, recognitionError }, { {}, recognitionError } };
        ScreenOCRCapture::Environment environment = oneScreen();
        if (noScreens)
            environment.screens = [] { return QList<ScreenOCRCapture::Screen> {}; };
        ScreenOCRCapture capture(grabber, recognizer, environment);
        int screenshots = 0;
        const auto result = Waits::waitFor(capture.captureWord({ 400, 500 }, [&] { ++screenshots; }));
        QVERIFY(result);
        QVERIFY(!*result);
        QCOMPARE(screenshots, screenshotAction ? 1 : 0);
    }

    void ownWindowsAreBlanked()
    {
        FakeScreenGrabber grabber;
        {
            QPainter painter(&grabber.screen);
            painter.fillRect(QRect(300, 400, 500, 200), Qt::black); // "our" window
            painter.fillRect(QRect(900, 400, 50, 50), Qt::red); // someone else's
        }
        FakeRecognizer recognizer;
        ScreenOCRCapture::Environment environment = oneScreen();
        environment.ownWindows = [] { return QList<QRect> { QRect(300, 400, 500, 200), QRect(5000, 0, 10, 10) }; };
        ScreenOCRCapture capture(grabber, recognizer, environment);
        capture.setBandFirst(false);
        Waits::waitFor(capture.captureWord({ 960, 540 }));
        QCOMPARE(recognizer.images.size(), 1);
        const QImage& seen = recognizer.images.first(); // region (260, 140)
        for (const QPoint p : { QPoint(300, 400), QPoint(799, 599), QPoint(550, 500) })
            QCOMPARE(QColor(seen.pixel(p - QPoint(260, 140))), QColor(Qt::white));
        QCOMPARE(QColor(seen.pixel(QPoint(920, 420) - QPoint(260, 140))), QColor(Qt::red));
    }
};

QTEST_GUILESS_MAIN(TestScreenOCRCapture)
#include "TestScreenOCRCapture.moc"
