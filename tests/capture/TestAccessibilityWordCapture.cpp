#include "platform/AccessibilityDesktop.h"
#include "capture/AccessibilityWordCapture.h"
#include "capture/TextOffsets.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

namespace {

// An accessibility element laid out as one line of fixed-width characters (one box per code
// point) starting at its frame's left edge.
class FakeNode : public AccessibleNode, public std::enable_shared_from_this<FakeNode>
{
public:
    enum class Offsets { Exact, None, Wrong };

    QString name;
    QString text;
    bool positionable = true;
    bool secret = false;
    std::optional<QRectF> box;
    double charWidth = 10;
    Offsets offsets = Offsets::Exact;
    bool rangeBounds = true;
    int delayMs = 0;
    std::vector<std::shared_ptr<FakeNode>> kids;
    std::weak_ptr<FakeNode> up;
    mutable int calls = 0;

    static std::shared_ptr<FakeNode> make(const QString& text, std::optional<QRectF> frame = std::nullopt)
    {
        auto node = std::make_shared<FakeNode>();
        node->text = text;
        node->box = frame;
        node->name = QStringLiteral("n%1").arg(quintptr(node.get()));
        return node;
    }
    std::shared_ptr<FakeNode> add(std::shared_ptr<FakeNode> child)
    {
        child->up = shared_from_this();
        kids.push_back(child);
        return child;
    }

    void touch() const
    {
        ++calls;
        if (delayMs > 0)
            QThread::msleep(ulong(delayMs));
    }
    QString key() const override { return name; }
    bool isSecret() const override { return secret; }
    std::optional<OwnText> ownText() const override
    {
        touch();
        if (text.isEmpty())
            return std::nullopt;
        return OwnText { text, positionable };
    }
    std::vector<std::shared_ptr<AccessibleNode>> children() const override
    {
        touch();
        return { kids.begin(), kids.end() };
    }
    std::shared_ptr<AccessibleNode> parent() const override
    {
        touch();
        return up.lock();
    }
    std::optional<QRectF> frame() const override { return box; }
    std::optional<Selection> selection() const override { return std::nullopt; }
    std::optional<qsizetype> offsetAtPoint(QPointF point) const override
    {
        touch();
        if (offsets == Offsets::None || !box || !box->contains(point))
            return std::nullopt;
        const auto exact = qsizetype((point.x() - box->left()) / charWidth);
        return offsets == Offsets::Exact ? exact : exact + 12;
    }
    std::optional<QRectF> boundsForRange(qsizetype start, qsizetype end) const override
    {
        touch();
        if (!rangeBounds || !box)
            return std::nullopt;
        return QRectF(
            box->left() + double(start) * charWidth, box->top(), double(end - start) * charWidth, box->height());
    }
};

class FakeDesktop : public AccessibilityDesktop
{
public:
    std::shared_ptr<FakeNode> hit;
    double ratio = 1;
    QPointF pointer() const override { return {}; }
    std::shared_ptr<AccessibleNode> elementAt(QPointF) override { return hit; }
    double pixelRatioAt(QPointF) const override { return ratio; }
    std::optional<QRectF> screenAt(QPointF) const override { return QRectF(0, 0, 1920, 1080); }
    std::optional<TopLevelWindow> windowAt(QPointF) const override { return std::nullopt; }
};

// The point over the middle of the code point at `index` of a node's text.
QPointF over(const FakeNode& node, qsizetype codePoint)
{
    return { node.box->left() + (double(codePoint) + 0.5) * node.charWidth, node.box->center().y() };
}

qsizetype codePointOf(const QString& text, const QString& word)
{
    return TextOffsets::codePointFromUtf16(text, text.indexOf(word));
}

} // namespace

class TestAccessibilityWordCapture : public QObject
{
    Q_OBJECT

private:
    FakeDesktop m_desktop;
    AccessibilityWordCapture m_capture { m_desktop };

    std::optional<WordCaptureService::CaptureResult> captureOver(
        const std::shared_ptr<FakeNode>& node, const QString& word, qsizetype extra = 0)
    {
        m_desktop.hit = node;
        return m_capture.captureWordAt(over(*node, codePointOf(node->text, word) + extra));
    }

private Q_SLOTS:
    void init()
    {
        m_desktop = FakeDesktop {};
        m_capture.setTimeBudgetMs(AccessibilityWordCapture::kDefaultTimeBudgetMs);
    }

    void wordAtPoint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pointAt");
        QTest::addColumn<int>("extra"); // code points after the start of pointAt
        QTest::addColumn<int>("offsets");
        QTest::addColumn<bool>("rangeBounds");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("lowConfidence");
        const int exact = int(FakeNode::Offsets::Exact), none = int(FakeNode::Offsets::None),
                  wrong = int(FakeNode::Offsets::Wrong);
        QTest::newRow("exact offset") << "The quick brown fox."
                                      << "brown" << 2 << exact << true << "brown" << false;
        // Word boxes do not cover the space, so the word is estimated.
        QTest::newRow("space picks the left word") << "The quick brown fox."
                                                   << " brown" << 0 << exact << true << "quick" << true;
        QTest::newRow("hyphenated") << "A well-known fact."
                                    << "known" << 1 << exact << true << "well-known" << false;
        QTest::newRow("elision") << "C'est l'amour toujours."
                                 << "amour" << 0 << exact << true << "l'amour" << false;
        QTest::newRow("wrong offset, found by range bounds") << "one two three four"
                                                             << "three" << 1 << wrong << true << "three" << false;
        QTest::newRow("no offset, range bounds") << "one two three four"
                                                 << "four" << 0 << none << true << "four" << false;
        QTest::newRow("nothing positional: estimated") << "one two three four"
                                                       << "two" << 1 << none << false << "two" << true;
        QTest::newRow("emoji and combining mark before the word")
            << QStringLiteral("😀 cafe\u0301 naïve end") << QStringLiteral("naïve") << 2 << exact << true
            << QStringLiteral("naïve") << false;
        QTest::newRow("combining mark inside the word")
            << QStringLiteral("un cafe\u0301 noir") << QStringLiteral("cafe\u0301") << 4 << exact << true
            << QStringLiteral("cafe\u0301") << false;
        QTest::newRow("japanese polite past") << QStringLiteral("私は食べました。") << QStringLiteral("食") << 0
                                              << exact << true << QStringLiteral("食べました") << false;
        QTest::newRow("russian") << QStringLiteral("Мы пили чай вечером.") << QStringLiteral("чай") << 1 << exact
                                 << true << QStringLiteral("чай") << false;
    }

    void wordAtPoint()
    {
        QFETCH(QString, text);
        QFETCH(QString, pointAt);
        QFETCH(int, extra);
        QFETCH(int, offsets);
        QFETCH(bool, rangeBounds);
        QFETCH(QString, word);
        QFETCH(bool, lowConfidence);
        auto node = FakeNode::make(text, QRectF(100, 200, 10 * TextOffsets::codePointCount(text), 18));
        node->offsets = FakeNode::Offsets(offsets);
        node->rangeBounds = rangeBounds;
        const auto result = captureOver(node, pointAt, extra);
        QVERIFY(result);
        QCOMPARE(result->word, word);
        QCOMPARE(result->isLowConfidence, lowConfidence);
        QCOMPARE(result->bounds, node->box);
        QVERIFY(!result->sentenceSpansMultipleElements);
    }

    void titleTextIsNeverAskedForPositions()
    {
        auto node = FakeNode::make(QStringLiteral("Save all files"), QRectF(0, 0, 140, 20));
        node->positionable = false;
        node->offsets = FakeNode::Offsets::Wrong; // would mislead if it were asked
        m_desktop.hit = node;
        auto result = m_capture.captureWordAt(QPointF(55, 10)); // over "all"
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("all"));
        QVERIFY(result->isLowConfidence);
        result = m_capture.captureWordAt(QPointF(500, 10)); // outside the frame: first piece
        QCOMPARE(result->word, QStringLiteral("Save"));
        QVERIFY(result->isLowConfidence);
    }

    void elementWithoutFrame()
    {
        auto node = FakeNode::make(QStringLiteral("  Hello world  "));
        node->positionable = false;
        m_desktop.hit = node;
        const auto result = m_capture.captureWordAt(QPointF(5, 5));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("Hello"));
        QCOMPARE(result->bounds, std::nullopt);
    }

    void oversizedElementsGoToRecognition_data()
    {
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("captured");
        QTest::newRow("2400 wide") << QRectF(0, 0, 2400, 20) << 1.0 << false;
        QTest::newRow("301 tall") << QRectF(0, 0, 200, 301) << 1.0 << false;
        QTest::newRow("2400 px on a doubled screen") << QRectF(0, 0, 2400, 40) << 2.0 << true;
        QTest::newRow("line") << QRectF(0, 0, 1999, 300) << 1.0 << true;
    }

    void oversizedElementsGoToRecognition()
    {
        QFETCH(QRectF, frame);
        QFETCH(double, ratio);
        QFETCH(bool, captured);
        m_desktop.ratio = ratio;
        auto node = FakeNode::make(QStringLiteral("word"), frame);
        m_desktop.hit = node;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)).has_value(), captured);
    }

    void textFoundBelowAndAbove()
    {
        // The hit element is a container: its first text-bearing descendant answers.
        auto root = FakeNode::make(QString(), QRectF(0, 0, 400, 100));
        auto empty = root->add(FakeNode::make(QString()));
        auto deep = empty->add(FakeNode::make(QString()))
                        ->add(FakeNode::make(QStringLiteral("deep text"), QRectF(0, 0, 90, 20)));
        m_desktop.hit = root;
        auto result = m_capture.captureWordAt(QPointF(15, 10));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("deep"));
        // A bare leaf inside a labelled button: the ancestor's text answers.
        auto button = FakeNode::make(QStringLiteral("Open recent"), QRectF(0, 0, 110, 20));
        button->positionable = false;
        auto icon = button->add(FakeNode::make(QString()));
        m_desktop.hit = icon;
        result = m_capture.captureWordAt(QPointF(80, 10));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("recent"));
    }

    void sentenceAssembledFromRuns()
    {
        auto paragraph = FakeNode::make(QString(), QRectF(0, 0, 600, 20));
        paragraph->add(FakeNode::make(QStringLiteral("The cat"), QRectF(0, 0, 70, 20)));
        auto middle = paragraph->add(FakeNode::make(QStringLiteral("sat on"), QRectF(80, 0, 60, 20)));
        paragraph->add(FakeNode::make(QStringLiteral("the mat. It purred."), QRectF(150, 0, 190, 20)));
        const auto result = captureOver(middle, QStringLiteral("sat"));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("sat"));
        QCOMPARE(result->sentence, QStringLiteral("The cat sat on the mat."));
        QVERIFY(result->sentenceSpansMultipleElements);
    }

    void hugeContainerIsSkippedOnTheClimb()
    {
        auto page = FakeNode::make(QString());
        auto section = page->add(FakeNode::make(QString()));
        auto paragraph = section->add(FakeNode::make(QString()));
        auto run = paragraph->add(FakeNode::make(QStringLiteral("Short words here"), QRectF(0, 0, 160, 20)));
        // The paragraph's text is only the run; the section drags in 600 characters of sidebar.
        section->add(FakeNode::make(QString(600, QLatin1Char('x')) + QStringLiteral(". Sidebar.")));
        const auto result = captureOver(run, QStringLiteral("words"));
        QVERIFY(result);
        QCOMPARE(result->sentence, QStringLiteral("Short words here"));
        QVERIFY(!result->sentenceSpansMultipleElements);
    }

    void sentenceOfTheWordItself()
    {
        auto node
            = FakeNode::make(QStringLiteral("There was a cat. It sat. Then the dog came."), QRectF(0, 0, 430, 20));
        const QString text = node->text;
        m_desktop.hit = node;
        const auto result = m_capture.captureWordAt(over(*node, text.indexOf(QStringLiteral(" the ")) + 2));
        QVERIFY(result);
        QCOMPARE(result->word, QStringLiteral("the"));
        QCOMPARE(result->sentence, QStringLiteral("Then the dog came."));
    }

    void passwordsGiveNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("the field") << "self";
        QTest::newRow("an ancestor") << "ancestor";
        QTest::newRow("a sibling on the climb") << "sibling";
    }

    void passwordsGiveNothing()
    {
        QFETCH(QString, where);
        auto form = FakeNode::make(QString());
        auto field = form->add(FakeNode::make(QStringLiteral("hunter2 secret"), QRectF(0, 0, 140, 20)));
        if (where == QLatin1String("self"))
            field->secret = true;
        if (where == QLatin1String("ancestor"))
            form->secret = true;
        if (where == QLatin1String("sibling"))
            form->add(FakeNode::make(QStringLiteral("other")))->secret = true;
        QCOMPARE(captureOver(field, QStringLiteral("secret")), std::nullopt);
    }

    void walksAreBounded()
    {
        // A cycle and a thousand empty nodes before any text: the walk stops, it never loops.
        auto root = FakeNode::make(QString(), QRectF(0, 0, 100, 20));
        auto loop = root->add(FakeNode::make(QString()));
        loop->kids.push_back(root);
        for (int i = 0; i < 1000; ++i)
            root->add(FakeNode::make(QString()));
        root->add(FakeNode::make(QStringLiteral("too far")));
        m_desktop.hit = root;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
        QVERIFY(root->calls < 10);
        int total = 0;
        for (const auto& kid : root->kids)
            total += kid->calls;
        QVERIFY(total <= AccessibilityWordCapture::kDescendantNodeBudget * 2);
    }

    void slowApplicationHitsTheTimeBudget()
    {
        auto root = FakeNode::make(QString(), QRectF(0, 0, 100, 20));
        root->delayMs = 20;
        for (int i = 0; i < 50; ++i) {
            auto kid = root->add(FakeNode::make(QString()));
            kid->delayMs = 20;
        }
        m_capture.setTimeBudgetMs(100);
        m_desktop.hit = root;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    void emptyTextGivesTheEmptyWord()
    {
        auto node = FakeNode::make(QStringLiteral("   "), QRectF(0, 0, 30, 20));
        m_desktop.hit = node;
        const auto result = m_capture.captureWordAt(QPointF(5, 5));
        QVERIFY(result);
        QVERIFY(result->word.trimmed().isEmpty()); // the coordinator counts it as no result
    }

    void nothingUnderThePointer()
    {
        m_desktop.hit = nullptr;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestAccessibilityWordCapture)
#include "TestAccessibilityWordCapture.moc"
