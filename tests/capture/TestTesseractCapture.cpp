#include "capture/OCRLanguages.h"
#include "capture/ScreenOCRCapture.h"
#include "platform/tesseract/TesseractRecognizer.h"

#include "support/FakeScreenGrabber.h"
#include "support/RenderedPage.h"
#include "support/Waits.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>

namespace {

ScreenOCRCapture::Environment screenFor(const QString& studyLanguage)
{
    ScreenOCRCapture::Environment environment;
    environment.screens = [] { return QList<ScreenOCRCapture::Screen> { { QRect(0, 0, 1920, 1080), 1.0 } }; };
    environment.languages = [studyLanguage] { return OCRLanguages::forStudy(studyLanguage, TesseractRecognizer::installedLanguagesIn({})); };
    return environment;
}

} // namespace

class TestTesseractCapture : public QObject
{
    Q_OBJECT

    TesseractRecognizer m_recognizer;

    std::optional<OCRCaptureService::CaptureResult> capture(
        FakeScreenGrabber& grabber, const QString& language, QPoint at, bool bandFirst, const QList<QRect>& own = {})
    {
        ScreenOCRCapture::Environment environment = screenFor(language);
        environment.ownWindows = [own] { return own; };
        ScreenOCRCapture capture(grabber, m_recognizer, environment);
        capture.setBandFirst(bandFirst);
        const auto result = Waits::waitFor(capture.captureWord(PhysicalPoint::fromQPoint(at)), 60000);
        return result ? *result : std::nullopt;
    }

private Q_SLOTS:
    void languagesForStudy()
    {
        const QStringList installed = TesseractRecognizer::installedLanguagesIn({});
        QVERIFY2(installed.contains(QStringLiteral("eng")), "tesseract-ocr-eng is not installed");
        QCOMPARE(OCRLanguages::forStudy(QStringLiteral("es"), installed),
            (QStringList { QStringLiteral("spa"), QStringLiteral("eng") }));
        QCOMPARE(OCRLanguages::forStudy(QStringLiteral("en"), installed), QStringList { QStringLiteral("eng") });
        QCOMPARE(OCRLanguages::forStudy(std::nullopt, installed), QStringList { QStringLiteral("eng") });
        QCOMPARE(OCRLanguages::forStudy(QStringLiteral("xx"), installed), QStringList { QStringLiteral("eng") });
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

        const QStringList english { QStringLiteral("The weather was lovely this morning, so we walked to the harbour."),
            QStringLiteral("After lunch we visited the old library near the market square."),
            QStringLiteral("Yesterday my sister and I took the early train"),
            QStringLiteral("to the mountains because the forecast was good.") };
        const QString library = QStringLiteral("After lunch we visited the old library near the market square.");
        const QString mountains = QStringLiteral(
            "Yesterday my sister and I took the early train to the mountains because the forecast was good.");
        QTest::newRow("en sans 16") << "en"
                                    << "Noto Sans" << 16 << false << english << "library" << library;
        QTest::newRow("en serif 13") << "en"
                                     << "Noto Serif" << 13 << false << english << "library" << library;
        QTest::newRow("en sans 11") << "en"
                                    << "DejaVu Sans" << 11 << false << english << "library" << library;
        QTest::newRow("en dark 14") << "en"
                                    << "Noto Sans" << 14 << true << english << "library" << library;
        QTest::newRow("en sentence from the line above")
            << "en"
            << "Noto Sans" << 15 << false << english << "mountains" << mountains;
        QTest::newRow("en serif 20 dark") << "en"
                                          << "Noto Serif" << 20 << true << english << "mountains" << mountains;

        const QStringList russian { QString::fromUtf8("Вчера мы долго гуляли по старому городу."),
            QString::fromUtf8("Потом мы пили чай в маленьком кафе на берегу реки.") };
        QTest::newRow("ru sans 15") << "ru"
                                    << "Noto Sans" << 15 << false << russian << QString::fromUtf8("маленьком")
                                    << QString::fromUtf8("Потом мы пили чай в маленьком кафе на берегу реки.");
        QTest::newRow("ru serif 18 dark") << "ru"
                                          << "Noto Serif" << 18 << true << russian << QString::fromUtf8("гуляли")
                                          << QString::fromUtf8("Вчера мы долго гуляли по старому городу.");

        const QStringList spanish { QString::fromUtf8("Mañana iremos a la playa con nuestros amigos."),
            QString::fromUtf8("¿Quieres venir también? Llevaremos la comida.") };
        QTest::newRow("es sans 14") << "es"
                                    << "Noto Sans" << 14 << false << spanish << QString::fromUtf8("también")
                                    << QString::fromUtf8("¿Quieres venir también?");
        QTest::newRow("es serif 17") << "es"
                                     << "Noto Serif" << 17 << false << spanish << QString::fromUtf8("nuestros")
                                     << QString::fromUtf8("Mañana iremos a la playa con nuestros amigos.");

        const QStringList german { QString::fromUtf8("Die Kinder spielen heute im großen Garten."),
            QString::fromUtf8("Später gehen wir zusammen ins Museum.") };
        QTest::newRow("de sans 16") << "de"
                                    << "Noto Sans" << 16 << false << german << QString::fromUtf8("spielen")
                                    << QString::fromUtf8("Die Kinder spielen heute im großen Garten.");

        const QStringList french { QString::fromUtf8("Nous avons mangé une délicieuse tarte aux pommes."),
            QString::fromUtf8("Ensuite, nous sommes allés au théâtre.") };
        QTest::newRow("fr serif 15") << "fr"
                                     << "Noto Serif" << 15 << false << french << QString::fromUtf8("délicieuse")
                                     << QString::fromUtf8("Nous avons mangé une délicieuse tarte aux pommes.");

        QTest::newRow("zh 20") << "zh"
                               << "Noto Sans CJK SC" << 20 << false
                               << QStringList { QString::fromUtf8("我们明天去公园散步。"),
                                      QString::fromUtf8("你想一起来吗？") }
                               << QString::fromUtf8("我们明天去公园散步") << QString::fromUtf8("我们明天去公园散步。");
        QTest::newRow("ja 20") << "ja"
                               << "Noto Sans CJK JP" << 20 << false
                               << QStringList { QString::fromUtf8("私は毎朝コーヒーを飲みます。") }
                               << QString::fromUtf8("飲みます") << QString::fromUtf8("私は毎朝コーヒーを飲みます。");
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
            QSKIP(qPrintable(QStringLiteral("%1.traineddata is not installed").arg(data)));
        if (!QFontDatabase::families().contains(family))
            QSKIP(qPrintable(QStringLiteral("font %1 is not installed").arg(family)));

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

    void ownWindowIsNotRead()
    {
        const RenderedPage page { QStringLiteral("Noto Sans"), 16, false,
            { QStringLiteral("Several birds were singing in the garden."),
                QStringLiteral("Nobody wanted to go inside.") } };
        FakeScreenGrabber grabber;
        page.render(grabber.screen);
        // One of our cards over the right part of the screen, with its own words.
        const QRect card(1000, 380, 360, 120);
        {
            QPainter painter(&grabber.screen);
            painter.fillRect(card, QColor(0xf4, 0xf4, 0xf8));
            painter.setPen(Qt::black);
            QFont font(QStringLiteral("Noto Sans"));
            font.setPixelSize(20);
            painter.setFont(font);
            painter.drawText(card.adjusted(16, 16, -16, -16), QStringLiteral("Translation placeholder"));
        }
        const QPoint onCard = card.topLeft() + QPoint(80, 30);
        const auto unblanked = capture(grabber, QStringLiteral("en"), onCard, true);
        QVERIFY(unblanked);
        QCOMPARE(unblanked->word, QStringLiteral("Translation"));

        const auto blanked = capture(grabber, QStringLiteral("en"), onCard, true, { card });
        QVERIFY(blanked);
        QVERIFY2(!blanked->sentence.contains(QStringLiteral("Translation")), qPrintable(blanked->sentence));
        QVERIFY2(!blanked->sentence.contains(QStringLiteral("placeholder")), qPrintable(blanked->sentence));
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestTesseractCapture test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestTesseractCapture.moc"
