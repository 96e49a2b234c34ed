#include "capture/OCRLanguages.h"
#include "capture/ScreenOCRCapture.h"
#include "platform/tesseract/TesseractRecognizer.h"

#include "support/FakeScreenGrabber.h"
#include "support/RenderedPage.h"
#include "support/Waits.h"

#include <QFontDatabase>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTesseractCapture : public QObject
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

private Q_SLOTS:
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
        QTest::newRow("en serif 13") << u"en"_s << serif << 13 << false << english << u"library"_s << library;
        QTest::newRow("en sans 11") << u"en"_s << u"DejaVu Sans"_s << 11 << false << english << u"library"_s << library;
        QTest::newRow("en dark 14") << u"en"_s << sans << 14 << true << english << u"library"_s << library;
        QTest::newRow("en sentence from the line above")
            << u"en"_s << sans << 15 << false << english << u"mountains"_s << mountains;
        const QStringList russian { u"Вчера мы долго гуляли по старому городу."_s,
            u"Потом мы пили чай в маленьком кафе на берегу реки."_s };
        QTest::newRow("ru serif 18 dark") << u"ru"_s << serif << 18 << true << russian << u"гуляли"_s << russian[0];
        QTest::newRow("es sans 14") << u"es"_s << sans << 14 << false
                                    << QStringList { u"Mañana iremos a la playa con nuestros amigos."_s,
                                           u"¿Quieres venir también? Llevaremos la comida."_s }
                                    << u"también"_s << u"¿Quieres venir también?"_s;
        QTest::newRow("zh 20") << u"zh"_s << u"Noto Sans CJK SC"_s << 20 << false
                               << QStringList { u"我们明天去公园散步。"_s, u"你想一起来吗？"_s }
                               << u"我们明天去公园散步"_s << u"我们明天去公园散步。"_s;
        QTest::newRow("ja 20") << u"ja"_s << u"Noto Sans CJK JP"_s << 20 << false
                               << QStringList { u"私は毎朝コーヒーを飲みます。"_s } << u"飲みます"_s
                               << u"私は毎朝コーヒーを飲みます。"_s;
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
};

QTEST_MAIN(TestTesseractCapture)
#include "TestTesseractCapture.moc"
