#include "capture/OCRLanguages.h"
#include "capture/ScreenOCRCapture.h"
#include "platform/tesseract/TesseractRecognizer.h"
#include "platform/x11/X11ScreenGrabber.h"
#include "support/FakeScreenGrabber.h"
#include "support/RenderedPage.h"
#include "support/Waits.h"

#include <QFontDatabase>
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

// Text recognition with Tesseract: of rendered pages in many languages, and of the real X screen
// with both ways of grabbing it.
class TestScreenRecognition : public QObject
{
    Q_OBJECT

    TesseractRecognizer m_recognizer;

    std::optional<OCRCaptureService::CaptureResult> capture(
        FakeScreenGrabber& grabber, const QString& language, QPoint at, bool bandFirst)
    {
        ScreenOCRCapture::Environment screen;
        screen.screens = [] { return QList<ScreenOCRCapture::Screen> { { QRect(0, 0, 1920, 1080), 1.0 } }; };
        screen.languages
            = [language] { return OCRLanguages::forStudy(language, TesseractRecognizer::installedLanguagesIn({})); };
        ScreenOCRCapture capture(grabber, m_recognizer, screen);
        capture.setBandFirst(bandFirst);
        const auto result = Waits::waitFor(capture.captureWord(PhysicalPoint::fromQPoint(at)), 60000);
        return result ? *result : std::nullopt;
    }

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

    void languagesForStudy()
    {
        const QStringList installed = TesseractRecognizer::installedLanguagesIn({});
        QVERIFY2(installed.contains(u"eng"_s), "tesseract-ocr-eng is not installed");
        QCOMPARE(OCRLanguages::forStudy(u"es"_s, installed), (QStringList { u"spa"_s, u"eng"_s }));
        QCOMPARE(OCRLanguages::forStudy(u"en"_s, installed), QStringList { u"eng"_s });
        QCOMPARE(OCRLanguages::forStudy(std::nullopt, installed), QStringList { u"eng"_s });
        QCOMPARE(OCRLanguages::forStudy(u"xx"_s, installed), QStringList { u"eng"_s });
    }

    void wordAndSentence_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        const QString sans = u"Noto Sans"_s, serif = u"Noto Serif"_s;
        const QString library = u"After lunch we visited the old library near the market square."_s;
        const QStringList english { u"The weather was lovely this morning, so we walked to the harbour."_s, library,
            u"Yesterday my sister and I took the early train"_s, u"to the mountains because the forecast was good."_s };
        const QString mountains = english[2] + u" "_s + english[3];
        // clang-format off
        QTest::newRow("en serif 13") << u"en"_s << serif << 13 << false << english << u"library"_s << library;
        QTest::newRow("en sans 11") << u"en"_s << u"DejaVu Sans"_s << 11 << false << english << u"library"_s << library;
        QTest::newRow("en dark 14") << u"en"_s << sans << 14 << true << english << u"library"_s << library;
        QTest::newRow("en sentence from the line above") << u"en"_s << sans << 15 << false << english << u"mountains"_s << mountains;
        // clang-format on
        const QStringList russian { u"Вчера мы долго гуляли по старому городу."_s,
            u"Потом мы пили чай в маленьком кафе на берегу реки."_s };
        // clang-format off
        QTest::newRow("ru serif 18 dark") << u"ru"_s << serif << 18 << true << russian << u"гуляли"_s << russian[0];
        QTest::newRow("es sans 14") << u"es"_s << sans << 14 << false << QStringList { u"Mañana iremos a la playa con nuestros amigos."_s, u"¿Quieres venir también? Llevaremos la comida."_s } << u"también"_s << u"¿Quieres venir también?"_s;
        QTest::newRow("zh 20") << u"zh"_s << u"Noto Sans CJK SC"_s << 20 << false << QStringList { u"我们明天去公园散步。"_s, u"你想一起来吗？"_s } << u"公园"_s << u"我们明天去公园散步。"_s;
        QTest::newRow("ja 20") << u"ja"_s << u"Noto Sans CJK JP"_s << 20 << false << QStringList { u"私は毎朝コーヒーを飲みます。"_s } << u"飲みます"_s << u"私は毎朝コーヒーを飲みます。"_s;
        // clang-format on
    }
    void wordAndSentence()
    {
        QFETCH(QString, language);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, dark);
        QFETCH(QStringList, lines);
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        const QString data = OCRLanguages::dataNameFor(language);
        if (!TesseractRecognizer::installedLanguagesIn({}).contains(data))
            QSKIP(qPrintable(u"%1.traineddata is not installed"_s.arg(data)));
        if (!QFontDatabase::families().contains(family))
            QSKIP(qPrintable(u"font %1 is not installed"_s.arg(family)));

        const RenderedPage page { family, pixelSize, dark, lines };
        FakeScreenGrabber grabber;
        page.render(grabber.screen);
        const QPoint at = page.pointOver(word);
        const auto band = capture(grabber, language, at, true);
        QVERIFY(band);
        QCOMPARE(band->word, word);
        QCOMPARE(band->sentence, sentence);
        const auto full = capture(grabber, language, at, false);
        QVERIFY(full);
        QCOMPARE(*full, *band);
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
        ScreenOCRCapture::Environment desktop
            = ScreenOCRCapture::desktopEnvironment([] { return QStringList { u"eng"_s }; });
        if (!blankOwnWindows)
            desktop.ownWindows = {};
        ScreenOCRCapture capture(grabber, m_recognizer, desktop);
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

QTEST_MAIN(TestScreenRecognition)
#include "TestScreenRecognition.moc"
