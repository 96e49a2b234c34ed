#include "capture/ScreenWordPicker.h"

#include <QTest>

Q_DECLARE_METATYPE(RecognizedLine)

namespace {

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

// The centre of the n-th character cell of a line built by line().
QPointF cell(const RecognizedLine& l, qsizetype index)
{
    const qreal width = l.rect.width() / qreal(l.text.size());
    return { l.rect.left() + (qreal(index) + 0.5) * width, l.rect.center().y() };
}

QPointF over(const RecognizedLine& l, const QString& word)
{
    return cell(l, l.text.indexOf(word));
}

} // namespace

class TestScreenWordPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extractWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target"); // the pointer is on its first character
        QTest::addColumn<bool>("boxes");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain word") << "the quick brown fox"
                                    << "quick" << true << "quick";
        QTest::newRow("punctuation trimmed") << "he said: «hello»"
                                             << "«hello»" << true << "hello";
        QTest::newRow("name at line start takes one token") << "New York City is big"
                                                            << "New" << true << "New York";
        QTest::newRow("name in the middle takes both sides") << "New York City is big"
                                                             << "York" << true << "New York City";
        QTest::newRow("lower-case neighbours stay out") << "visit Paris today"
                                                        << "Paris" << true << "Paris";
        QTest::newRow("parenthesised neighbour stays out") << "(Paris) London Bridge"
                                                           << "London" << true << "London Bridge";
        QTest::newRow("all-capitals caption alone") << "OK Cancel"
                                                    << "OK" << true << "OK";
        QTest::newRow("label neighbour stays out") << "Open NASA Files"
                                                   << "Open" << true << "Open";
        QTest::newRow("label itself") << "Open NASA Files"
                                      << "NASA" << true << "NASA";
        QTest::newRow("single capital is a name piece") << "Harry S Truman"
                                                        << "Truman" << true << "S Truman";
        QTest::newRow("no geometry keeps the token") << "New York City"
                                                     << "York" << false << "York";
        QTest::newRow("dash token trims to nothing") << "wait — here"
                                                     << "—" << true << "";
        QTest::newRow("ellipsis token trims to nothing") << "so … then"
                                                         << "…" << true << "";
        QTest::newRow("japanese endings joined") << QString::fromUtf8("私はご飯を食べました。")
                                                 << QString::fromUtf8("食") << false << QString::fromUtf8("食べました");
        QTest::newRow("han run merged across segmenter words")
            << QString::fromUtf8("東京大学の勉強") << QString::fromUtf8("大") << false << QString::fromUtf8("東京大学");
        QTest::newRow("han run ends at kana")
            << QString::fromUtf8("東京大学の勉強") << QString::fromUtf8("勉") << false << QString::fromUtf8("勉強");
        QTest::newRow("han run takes what lies between")
            << QString::fromUtf8("我喜欢北京，你呢") << QString::fromUtf8("你") << false
            << QString::fromUtf8("我喜欢北京，你呢");
        QTest::newRow("russian") << QString::fromUtf8("Мама мыла раму") << QString::fromUtf8("мыла") << true
                                 << QString::fromUtf8("мыла");
    }
    void extractWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(bool, boxes);
        QFETCH(QString, word);
        const RecognizedLine l = line(text, QRectF(100, 200, 10 * text.size(), 16), boxes);
        QCOMPARE(ScreenWordPicker::extractWord(l, over(l, target)), word);
    }

    void nameGapLimit_data()
    {
        QTest::addColumn<qreal>("gap");
        QTest::addColumn<QString>("word");
        // "Paris" is five characters 10 px wide: three characters are 30 px.
        QTest::newRow("close") << 30.0 << "Gare Paris";
        QTest::newRow("too far") << 31.0 << "Paris";
    }
    void nameGapLimit()
    {
        QFETCH(qreal, gap);
        QFETCH(QString, word);
        RecognizedLine l { QStringLiteral("Gare Paris"), QRectF(0, 0, 200, 16), {} };
        l.boxes.append({ 0, 4, QRectF(0, 0, 40, 16) });
        l.boxes.append({ 5, 5, QRectF(40 + gap, 0, 50, 16) });
        QCOMPARE(ScreenWordPicker::extractWord(l, QPointF(60 + gap, 8)), word);
    }

    void positionEstimate_data()
    {
        QTest::addColumn<qreal>("x");
        QTest::addColumn<QString>("word");
        QTest::newRow("left of the line") << -50.0 << "one";
        QTest::newRow("middle") << 50.0 << "two";
        QTest::newRow("right of the line") << 500.0 << "three";
        QTest::newRow("on a space belongs to no token") << 30.0 << "three";
    }
    void positionEstimate()
    {
        QFETCH(qreal, x);
        QFETCH(QString, word);
        // 13 characters over 130 px, without boxes: the character under the pointer decides.
        const RecognizedLine l = line(QStringLiteral("one two three"), QRectF(0, 0, 130, 16), false);
        QCOMPARE(ScreenWordPicker::extractWord(l, QPointF(x, 8)), word);
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
        const QList<RecognizedLine> lines { line(QStringLiteral("first line"), QRectF(0, 100, 100, 16)),
            line(QStringLiteral("second line"), QRectF(0, 124, 100, 16)) };
        QCOMPARE(ScreenWordPicker::chooseLine(lines, pointer), std::optional<qsizetype>(index));
    }

    void nearbyLines()
    {
        const QList<RecognizedLine> lines { line(QStringLiteral("near"), QRectF(0, 100, 100, 16)),
            line(QStringLiteral("far below"), QRectF(0, 850, 100, 16)) };
        QCOMPARE(ScreenWordPicker::nearbyLines(lines, QPointF(50, 108)).size(), 1);
        QCOMPARE(ScreenWordPicker::nearbyLines(lines, QPointF(50, 108), 2.0).size(), 2);
        QVERIFY(!ScreenWordPicker::pick(lines, QPointF(50, 2000)));
        QVERIFY(!ScreenWordPicker::pick({}, QPointF(50, 108)));
    }

    void sentence_data()
    {
        QTest::addColumn<QList<RecognizedLine>>("others");
        QTest::addColumn<QString>("sentence");
        const QString chosenText = QStringLiteral("jumps over the dog. Then it sleeps.");
        const QString joined = QStringLiteral("The quick brown fox jumps over the dog.");
        const QString alone = QStringLiteral("jumps over the dog.");
        QTest::newRow("line above joined")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(0, 80, 190, 16)) } << joined;
        QTest::newRow("line below sorts after")
            << QList<RecognizedLine> { line(QStringLiteral("the end."), QRectF(0, 120, 80, 16)),
                   line(QStringLiteral("The quick brown fox"), QRectF(0, 80, 190, 16)) }
            << joined;
        QTest::newRow("chat name line never joined")
            << QList<RecognizedLine> { line(QStringLiteral("@fox wrote"), QRectF(0, 80, 100, 16)) } << alone;
        QTest::newRow("overlapping line skipped")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(0, 90, 190, 16)) } << alone;
        QTest::newRow("too far above") << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"),
            QRectF(0, 75, 190, 16)) } << alone;
        QTest::newRow("beside, not above")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(400, 80, 190, 16)) } << alone;
        QTest::newRow("touching edge is beside")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(350, 80, 190, 16)) } << alone;
        QTest::newRow("heading twice as tall is joined")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(0, 72, 190, 24)) } << joined;
        QTest::newRow("caption under half the height")
            << QList<RecognizedLine> { line(QStringLiteral("The quick brown fox"), QRectF(0, 88, 190, 7)) } << alone;
    }
    void sentence()
    {
        QFETCH(QList<RecognizedLine>, others);
        QFETCH(QString, sentence);
        const RecognizedLine chosen
            = line(QStringLiteral("jumps over the dog. Then it sleeps."), QRectF(0, 100, 350, 16));
        QList<RecognizedLine> nearby = others;
        nearby.insert(1 % (nearby.size() + 1), chosen);
        QCOMPARE(ScreenWordPicker::buildSentence(chosen, nearby, QStringLiteral("jumps")), sentence);
    }

    void sentenceInsideLine()
    {
        const RecognizedLine chosen
            = line(QStringLiteral("First one. Second two here. Third."), QRectF(0, 100, 340, 16));
        const RecognizedLine above = line(QStringLiteral("Above it all"), QRectF(0, 80, 120, 16));
        QCOMPARE(ScreenWordPicker::buildSentence(chosen, { above, chosen }, QStringLiteral("two")),
            QStringLiteral("Second two here."));
    }

    void sentenceOfTheOccurrencePointedAt()
    {
        // "au" is also inside "aux" of the first sentence; the pointer is on the second line's "au".
        const RecognizedLine above = line(QStringLiteral("Une tarte aux pommes. Puis"), QRectF(0, 80, 260, 16));
        const RecognizedLine chosen = line(QStringLiteral("nous sommes allés au théâtre."), QRectF(0, 100, 290, 16));
        const auto result = ScreenWordPicker::pick({ above, chosen }, over(chosen, QStringLiteral("au ")));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("au"));
        QCOMPARE(result->sentence, QString::fromUtf8("Puis nous sommes allés au théâtre."));
    }

    void pickWholeFlow()
    {
        const RecognizedLine above = line(QStringLiteral("Yesterday we went to"), QRectF(10, 100, 200, 16));
        const RecognizedLine chosen = line(QStringLiteral("New York City by train."), QRectF(10, 120, 230, 16));
        const auto result = ScreenWordPicker::pick({ above, chosen }, over(chosen, QStringLiteral("York")));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("New York City"));
        QCOMPARE(result->sentence, QStringLiteral("Yesterday we went to New York City by train."));
    }

    void standaloneLabel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("label");
        QTest::newRow("abbreviation") << "NASA" << true;
        QTest::newRow("caption with digits") << "MP3" << true;
        QTest::newRow("one capital") << "A" << false;
        QTest::newRow("capitalised word") << "Paris" << false;
        QTest::newRow("cyrillic caps") << QString::fromUtf8("СССР") << true;
        QTest::newRow("no letters") << "42" << false;
    }
    void standaloneLabel()
    {
        QFETCH(QString, text);
        QFETCH(bool, label);
        QCOMPARE(ScreenWordPicker::isStandaloneLabel(text), label);
    }
};

QTEST_GUILESS_MAIN(TestScreenWordPicker)
#include "TestScreenWordPicker.moc"
