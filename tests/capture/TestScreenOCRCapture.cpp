#include "capture/ScreenOCRCapture.h"
#include "capture/ScreenWordPicker.h"
#include "platform/ScreenGrabber.h"
#include "platform/TextRecognizer.h"
#include "support/FakeScreenGrabber.h"
#include "support/Waits.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

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
    QStringList installedLanguages() const override { return { u"eng"_s }; }
};

// A recognized line boxed as one word.
RecognizedLine wholeLine(const QString& text, QRectF rect)
{
    return { text, rect, { { 0, text.size(), rect } } };
}

// A line laid out like monospaced text: each character one cell wide, words boxed from their
// cells. Boxes off leaves the line without per-word geometry.
RecognizedLine line(const QString& text, QRectF rect, bool boxes = true)
{
    RecognizedLine l { text, rect, {} };
    if (!boxes)
        return l;
    const qreal cell = rect.width() / qreal(text.size());
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = text.size();
        if (end > start)
            l.boxes.append({ start, end - start,
                QRectF(rect.left() + start * cell, rect.top(), (end - start) * cell, rect.height()) });
        start = end + 1;
    }
    return l;
}

// The centre of the first character cell of a word on a line built by line().
QPointF over(const RecognizedLine& l, const QString& word)
{
    const qreal width = l.rect.width() / qreal(l.text.size());
    return { l.rect.left() + (qreal(l.text.indexOf(word)) + 0.5) * width, l.rect.center().y() };
}

ScreenOCRCapture::Environment oneScreen(QRect geometry = QRect(0, 0, 1920, 1080), qreal scale = 1.0)
{
    ScreenOCRCapture::Environment environment;
    environment.screens = [=] { return QList<ScreenOCRCapture::Screen> { { geometry, scale } }; };
    environment.languages = [] { return QStringList { u"spa"_s, u"eng"_s }; };
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
        // clang-format off
        QTest::newRow("centred") << QPoint(960, 540) << fullHd << 1.0 << QRect(260, 140, 1400, 800);
        QTest::newRow("right edge shifts left") << QPoint(1910, 540) << fullHd << 1.0 << QRect(520, 140, 1400, 800);
        QTest::newRow("top-left corner") << QPoint(5, 5) << fullHd << 1.0 << QRect(0, 0, 1400, 800);
        QTest::newRow("bottom edge shifts up") << QPoint(960, 1075) << fullHd << 1.0 << QRect(260, 280, 1400, 800);
        QTest::newRow("second screen") << QPoint(2100, 100) << QRect(1920, 0, 1600, 1024) << 1.0 << QRect(1920, 0, 1400, 800);
        QTest::newRow("narrow screen sticks out left") << QPoint(1930, 100) << QRect(1920, 0, 1280, 1024) << 1.0 << QRect(1800, 0, 1400, 800);
        QTest::newRow("small screen sticks out left and top") << QPoint(500, 300) << QRect(0, 0, 1024, 600) << 1.0 << QRect(-376, -200, 1400, 800);
        QTest::newRow("scale two") << QPoint(1920, 1080) << QRect(0, 0, 3840, 2160) << 2.0 << QRect(520, 280, 2800, 1600);
        // clang-format on
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
        QCOMPARE(ScreenOCRCapture::bandSuffices({ wholeLine(u"x"_s, lineRect) }, pointer, band, region), suffices);
    }

    void bandPathMapsCoordinates()
    {
        FakeScreenGrabber grabber;
        FakeRecognizer recognizer;
        // The region is (0, 100) and its band y 380…620, so band (300, 112) is global (300, 492).
        recognizer.answers.append({ { wholeLine(u"hola mundo"_s, QRectF(300, 112, 200, 16)) }, {} });
        ScreenOCRCapture capture(grabber, recognizer, oneScreen());
        int screenshots = 0;
        const auto result = Waits::waitFor(capture.captureWord({ 400, 500 }, [&] { ++screenshots; }));
        QVERIFY(result && *result);
        QCOMPARE((*result)->word, u"hola"_s);
        QCOMPARE(screenshots, 1);
        QVERIFY(capture.lastUsedBand());
        QCOMPARE(grabber.requests, QList<QRect> { QRect(0, 100, 1400, 800) });
        QCOMPARE(recognizer.images.size(), 1);
        QCOMPARE(recognizer.images.first().size(), QSize(1400, 240));
        QCOMPARE(recognizer.languages.first(), (QStringList { u"spa"_s, u"eng"_s }));
    }

    void fullRegionWhenTheBandHasNoLineAtThePointer()
    {
        FakeScreenGrabber grabber;
        FakeRecognizer recognizer;
        recognizer.answers.append({ { wholeLine(u"elsewhere"_s, QRectF(40, 10, 200, 16)) }, {} });
        recognizer.answers.append({ { wholeLine(u"lejos"_s, QRectF(100, 700, 200, 16)) }, {} });
        ScreenOCRCapture capture(grabber, recognizer, oneScreen());
        const auto result = Waits::waitFor(capture.captureWord({ 400, 500 }));
        QVERIFY(result && *result);
        QVERIFY(!capture.lastUsedBand());
        QCOMPARE(recognizer.images.size(), 2);
        QCOMPARE(recognizer.images.last().size(), QSize(1400, 800));
        // The only line is the nearest one: "elsewhere" from the band is not taken.
        QCOMPARE((*result)->word, u"lejos"_s);
    }

    void failures_data()
    {
        QTest::addColumn<bool>("grabFails");
        QTest::addColumn<bool>("noScreens");
        QTest::addColumn<QString>("recognitionError");
        QTest::addColumn<bool>("screenshotAction");
        QTest::newRow("screenshot refused") << true << false << QString() << false;
        QTest::newRow("no screen") << false << true << QString() << false;
        QTest::newRow("recognition failed") << false << false << u"broken"_s << true;
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

    void extractWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target"); // the pointer is on its first character, or at x when given
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("boxes");
        QTest::addColumn<QString>("word");
        const QString city = u"New York City is big"_s, nasa = u"Open NASA Files"_s, tokyo = u"東京大学の勉強"_s;
        // clang-format off
        QTest::newRow("plain word") << u"the quick brown fox"_s << u"quick"_s << -1 << true << u"quick"_s;
        QTest::newRow("punctuation trimmed") << u"he said: «hello»"_s << u"«hello»"_s << -1 << true << u"hello"_s;
        QTest::newRow("name at line start takes one token") << city << u"New"_s << -1 << true << u"New York"_s;
        QTest::newRow("name in the middle takes both sides") << city << u"York"_s << -1 << true << u"New York City"_s;
        QTest::newRow("lower-case neighbours stay out") << u"visit Paris today"_s << u"Paris"_s << -1 << true << u"Paris"_s;
        QTest::newRow("parenthesised neighbour stays out") << u"(Paris) London Bridge"_s << u"London"_s << -1 << true << u"London Bridge"_s;
        QTest::newRow("all-capitals caption alone") << u"OK Cancel"_s << u"OK"_s << -1 << true << u"OK"_s;
        QTest::newRow("label neighbour stays out") << nasa << u"Open"_s << -1 << true << u"Open"_s;
        QTest::newRow("label itself") << nasa << u"NASA"_s << -1 << true << u"NASA"_s;
        QTest::newRow("single capital is a name piece") << u"Harry S Truman"_s << u"Truman"_s << -1 << true << u"S Truman"_s;
        QTest::newRow("no geometry keeps the token") << city << u"York"_s << -1 << false << u"York"_s;
        QTest::newRow("dash token trims to nothing") << u"wait — here"_s << u"—"_s << -1 << true << QString();
        QTest::newRow("ellipsis token trims to nothing") << u"so … then"_s << u"…"_s << -1 << true << QString();
        QTest::newRow("japanese endings joined") << u"私はご飯を食べました。"_s << u"食"_s << -1 << false << u"食べました"_s;
        QTest::newRow("han run merged across segmenter words") << tokyo << u"大"_s << -1 << false << u"東京大学"_s;
        QTest::newRow("han run ends at kana") << tokyo << u"勉"_s << -1 << false << u"勉強"_s;
        QTest::newRow("chinese: the segmenter's word") << u"我喜欢北京，你呢"_s << u"喜"_s << -1 << false << u"喜欢"_s;
        QTest::newRow("chinese: no run across punctuation") << u"我喜欢北京，你呢"_s << u"你"_s << -1 << false << u"你"_s;
        QTest::newRow("sentence end between capitals") << u"в кафе Бублик. Сначала мы"_s << u"Сначала"_s << -1 << true << u"Сначала"_s;
        QTest::newRow("function word starting a sentence") << u"Im Wartezimmer saß"_s << u"Wartezimmer"_s << -1 << true << u"Wartezimmer"_s;
        QTest::newRow("german nouns after a sentence end") << u"Ja. Mein Bruder kam"_s << u"Bruder"_s << -1 << true << u"Bruder"_s;
        QTest::newRow("title before a name") << u"sagte Frau Weber leise"_s << u"Weber"_s << -1 << true << u"Frau Weber"_s;
        QTest::newRow("abbreviated title") << u"als Dr. Weber kam"_s << u"Weber"_s << -1 << true << u"Dr Weber"_s;
        QTest::newRow("article inside a sentence") << u"we flew to Los Angeles"_s << u"Angeles"_s << -1 << true << u"Los Angeles"_s;
        QTest::newRow("comma between capitals") << u"Berlin, Paris und"_s << u"Paris"_s << -1 << true << u"Paris"_s;
        QTest::newRow("opening quote") << u"Paris «London» heute"_s << u"Paris"_s << -1 << true << u"Paris"_s;
        // clang-format on
        // Without boxes the character under the pointer decides; the line starts at x 100.
        const QString count = u"one two three"_s;
        QTest::newRow("left of the line") << count << QString() << 50 << false << u"one"_s;
        QTest::newRow("middle") << count << QString() << 150 << false << u"two"_s;
        QTest::newRow("right of the line") << count << QString() << 600 << false << u"three"_s;
        QTest::newRow("on a space belongs to no token") << count << QString() << 130 << false << u"three"_s;
    }

    void extractWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(int, x);
        QFETCH(bool, boxes);
        QFETCH(QString, word);
        const RecognizedLine l = line(text, QRectF(100, 200, 10 * text.size(), 16), boxes);
        QCOMPARE(ScreenWordPicker::extractWord(l, x < 0 ? over(l, target) : QPointF(x, 208)), word);
    }

    void nameGapLimit_data()
    {
        QTest::addColumn<qreal>("gap");
        QTest::addColumn<QString>("word");
        // "Paris" is five characters 10 px wide: three characters are 30 px.
        QTest::newRow("close") << 30.0 << u"Gare Paris"_s;
        QTest::newRow("too far") << 31.0 << u"Paris"_s;
    }
    void nameGapLimit()
    {
        QFETCH(qreal, gap);
        QFETCH(QString, word);
        RecognizedLine l { u"Gare Paris"_s, QRectF(0, 0, 200, 16), {} };
        l.boxes.append({ 0, 4, QRectF(0, 0, 40, 16) });
        l.boxes.append({ 5, 5, QRectF(40 + gap, 0, 50, 16) });
        QCOMPARE(ScreenWordPicker::extractWord(l, QPointF(60 + gap, 8)), word);
    }

    void chooseLine_data()
    {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<int>("index");
        QTest::newRow("inside the second") << QPointF(50, 128) << 1;
        QTest::newRow("between, nearer the first") << QPointF(50, 119) << 0;
        QTest::newRow("between, nearer the second") << QPointF(50, 121.5) << 1;
        QTest::newRow("equal distance picks the earlier") << QPointF(50, 120) << 0;
        QTest::newRow("beside the lines") << QPointF(400, 128) << 1;
    }
    void chooseLine()
    {
        QFETCH(QPointF, pointer);
        QFETCH(int, index);
        const QList<RecognizedLine> lines { line(u"first line"_s, QRectF(0, 100, 100, 16)),
            line(u"second line"_s, QRectF(0, 124, 100, 16)) };
        QCOMPARE(ScreenWordPicker::chooseLine(lines, pointer), std::optional<qsizetype>(index));
    }

    void nearbyLines()
    {
        const QList<RecognizedLine> lines { line(u"near"_s, QRectF(0, 100, 100, 16)),
            line(u"far below"_s, QRectF(0, 850, 100, 16)) };
        QCOMPARE(ScreenWordPicker::nearbyLines(lines, QPointF(50, 108)).size(), 1);
        QCOMPARE(ScreenWordPicker::nearbyLines(lines, QPointF(50, 108), 2.0).size(), 2);
        QVERIFY(!ScreenWordPicker::pick(lines, QPointF(50, 2000)));
        QVERIFY(!ScreenWordPicker::pick({}, QPointF(50, 108)));
    }

    void sentence_data()
    {
        QTest::addColumn<QList<RecognizedLine>>("others");
        QTest::addColumn<QString>("sentence");
        const QString joined = u"The quick brown fox jumps over the dog."_s, alone = u"jumps over the dog."_s;
        // "The quick brown fox" in a box of its own; the chosen line is at (0, 100, 350, 16).
        const auto fox = [](QRectF rect) { return line(u"The quick brown fox"_s, rect); };
        using Lines = QList<RecognizedLine>;
        // clang-format off
        QTest::newRow("line above joined") << Lines { fox(QRectF(0, 80, 190, 16)) } << joined;
        QTest::newRow("line below sorts after") << Lines { line(u"the end."_s, QRectF(0, 120, 80, 16)), fox(QRectF(0, 80, 190, 16)) } << joined;
        QTest::newRow("chat name line never joined") << Lines { line(u"@fox wrote"_s, QRectF(0, 80, 100, 16)) } << alone;
        QTest::newRow("overlapping line skipped") << Lines { fox(QRectF(0, 90, 190, 16)) } << alone;
        QTest::newRow("too far above") << Lines { fox(QRectF(0, 75, 190, 16)) } << alone;
        QTest::newRow("beside, not above") << Lines { fox(QRectF(400, 80, 190, 16)) } << alone;
        QTest::newRow("touching edge is beside") << Lines { fox(QRectF(350, 80, 190, 16)) } << alone;
        QTest::newRow("heading twice as tall is joined") << Lines { fox(QRectF(0, 72, 190, 24)) } << joined;
        QTest::newRow("caption under half the height") << Lines { fox(QRectF(0, 88, 190, 7)) } << alone;
        // clang-format on
    }
    void sentence()
    {
        QFETCH(QList<RecognizedLine>, others);
        QFETCH(QString, sentence);
        const RecognizedLine chosen = line(u"jumps over the dog. Then it sleeps."_s, QRectF(0, 100, 350, 16));
        QList<RecognizedLine> nearby = others;
        nearby.insert(1 % (nearby.size() + 1), chosen);
        QCOMPARE(ScreenWordPicker::buildSentence(chosen, nearby, u"jumps"_s), sentence);
    }

    void sentenceInsideLine()
    {
        const RecognizedLine chosen = line(u"First one. Second two here. Third."_s, QRectF(0, 100, 340, 16));
        const RecognizedLine above = line(u"Above it all"_s, QRectF(0, 80, 120, 16));
        QCOMPARE(ScreenWordPicker::buildSentence(chosen, { above, chosen }, u"two"_s), u"Second two here."_s);
    }

    void sentenceOfTheOccurrencePointedAt()
    {
        // "au" is also inside "aux" of the first sentence; the pointer is on the second line's "au".
        const RecognizedLine above = line(u"Une tarte aux pommes. Puis"_s, QRectF(0, 80, 260, 16));
        const RecognizedLine chosen = line(u"nous sommes allés au théâtre."_s, QRectF(0, 100, 290, 16));
        const auto result = ScreenWordPicker::pick({ above, chosen }, over(chosen, u"au "_s));
        QVERIFY(result);
        QCOMPARE(result->word, u"au"_s);
        QCOMPARE(result->sentence, u"Puis nous sommes allés au théâtre."_s);
    }

    void pickWholeFlow()
    {
        const RecognizedLine above = line(u"Yesterday we went to"_s, QRectF(10, 100, 200, 16));
        const RecognizedLine chosen = line(u"New York City by train."_s, QRectF(10, 120, 230, 16));
        const auto result = ScreenWordPicker::pick({ above, chosen }, over(chosen, u"York"_s));
        QVERIFY(result);
        QCOMPARE(result->word, u"New York City"_s);
        QCOMPARE(result->sentence, u"Yesterday we went to New York City by train."_s);
    }

    void standaloneLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("label");
        QTest::newRow("abbreviation") << u"NASA"_s << true;
        QTest::newRow("caption with digits") << u"MP3"_s << true;
        QTest::newRow("one capital") << u"A"_s << false;
        QTest::newRow("capitalised word") << u"Paris"_s << false;
        QTest::newRow("cyrillic caps") << u"СССР"_s << true;
        QTest::newRow("no letters") << u"42"_s << false;
    }
    void standaloneLabel()
    {
        QFETCH(QString, text);
        QFETCH(bool, label);
        QCOMPARE(ScreenWordPicker::isStandaloneLabel(text), label);
    }
};

QTEST_GUILESS_MAIN(TestScreenOCRCapture)
#include "TestScreenOCRCapture.moc"
