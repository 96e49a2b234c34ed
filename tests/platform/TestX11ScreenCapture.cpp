#include "capture/ScreenOCRCapture.h"
#include "platform/tesseract/TesseractRecognizer.h"
#include "platform/x11/X11ScreenGrabber.h"

#include "support/RenderedPage.h"
#include "support/Waits.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// A light window with one line of large text, placed by the test: no window manager moves it.
class TextWindow : public QWidget
{
public:
    const RenderedPage page { u"Noto Sans"_s, 18, false, { u"Pelicans gather near the quiet harbour."_s }, { 20, 60 } };

    TextWindow()
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        setGeometry(1200, 760, 640, 120);
    }
    QPoint wordCentre(const QString& word) const { return mapToGlobal(page.pointOver(word)); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        page.render(image);
        QPainter(this).drawImage(0, 0, image);
    }
};

} // namespace

class TestX11ScreenCapture : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_backdrop;
    std::unique_ptr<TextWindow> m_window;

private Q_SLOTS:
    void initTestCase()
    {
        // A dark desktop around the light window: the polarity must follow the text under the pointer.
        m_backdrop = std::make_unique<QWidget>();
        m_backdrop->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        m_backdrop->setGeometry(1000, 600, 920, 480);
        m_backdrop->setPalette(QPalette(QColor(0x2b, 0x2b, 0x2b))); // window colour from the button colour
        m_backdrop->setAutoFillBackground(true);
        m_backdrop->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_backdrop.get()));
        m_window = std::make_unique<TextWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::qWait(200);
    }

    void bothPathsGrabTheSamePixels()
    {
        const QRect region(1190, 750, 100, 50);
        X11ScreenGrabber shared;
        const ScreenGrabber::Grab viaMemory = shared.grab(region);
        QVERIFY2(!viaMemory.image.isNull(), qPrintable(viaMemory.error));
        QVERIFY(shared.usedSharedMemory());
        X11ScreenGrabber plain;
        plain.setSharedMemoryAllowed(false);
        const ScreenGrabber::Grab viaRequest = plain.grab(region);
        QVERIFY2(!viaRequest.image.isNull(), qPrintable(viaRequest.error));
        QVERIFY(!plain.usedSharedMemory());
        QCOMPARE(viaMemory.image.size(), region.size());
        QCOMPARE(viaMemory.image.pixel(50, 30), qRgb(255, 255, 255)); // the window's background
        QCOMPARE(viaMemory.image, viaRequest.image);
    }

    void regionsOffTheRootAreClipped_data()
    {
        QTest::addColumn<QRect>("region");
        QTest::addColumn<bool>("read");
        QTest::newRow("over the right and bottom edges") << QRect(1800, 800, 400, 400) << true;
        QTest::newRow("over the left and top edges") << QRect(-200, -100, 400, 300) << true;
        QTest::newRow("entirely outside") << QRect(3000, 3000, 100, 100) << false;
        QTest::newRow("empty") << QRect(10, 10, 0, 0) << false;
    }
    void regionsOffTheRootAreClipped()
    {
        QFETCH(QRect, region);
        QFETCH(bool, read);
        X11ScreenGrabber grabber;
        const ScreenGrabber::Grab grab = grabber.grab(region);
        QCOMPARE(!grab.image.isNull(), read);
        QCOMPARE(grab.error.isEmpty(), read);
        if (read)
            QCOMPARE(grab.image.size(), region.size());
        // The connection survives a refused request.
        QVERIFY(!grabber.grab(QRect(0, 0, 10, 10)).image.isNull());
    }

    // Recognition of the real screen; Quillmoor's own windows (the text window here) are blanked
    // first, unless the test leaves them visible.
    void readsTheWordUnderThePointer_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("blankOwnWindows");
        QTest::newRow("first") << u"Pelicans"_s << false;
        QTest::newRow("middle") << u"quiet"_s << false;
        QTest::newRow("last, punctuation trimmed") << u"harbour"_s << false;
        QTest::newRow("own windows are not read") << u"quiet"_s << true;
    }
    void readsTheWordUnderThePointer()
    {
        QFETCH(QString, word);
        QFETCH(bool, blankOwnWindows);
        X11ScreenGrabber grabber;
        TesseractRecognizer recognizer;
        ScreenOCRCapture::Environment desktop
            = ScreenOCRCapture::desktopEnvironment([] { return QStringList { u"eng"_s }; });
        if (!blankOwnWindows)
            desktop.ownWindows = {};
        ScreenOCRCapture capture(grabber, recognizer, desktop);
        const auto result
            = Waits::waitFor(capture.captureWord(PhysicalPoint::fromQPoint(m_window->wordCentre(word))), 60000);
        QVERIFY(result);
        const QString sentence = *result ? (*result)->sentence : QString();
        if (blankOwnWindows) {
            QVERIFY2(!sentence.contains(u"harbour"_s), qPrintable(sentence));
            return;
        }
        QVERIFY(*result);
        QCOMPARE((*result)->word, word);
        QCOMPARE(sentence, u"Pelicans gather near the quiet harbour."_s);
    }
};

QTEST_MAIN(TestX11ScreenCapture)
#include "TestX11ScreenCapture.moc"
