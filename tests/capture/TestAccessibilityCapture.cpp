#include "capture/AccessibilityWordCapture.h"
#include "capture/DesktopSelectionCapture.h"
#include "capture/TextOffsets.h"
#include "platform/AccessibilityDesktop.h"
#include "platform/PrimarySelection.h"
#include "support/Waits.h"

#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// An accessibility element laid out as one line of fixed-width characters (one box per code
// point) starting at its frame's left edge.
class FakeNode : public AccessibleNode, public std::enable_shared_from_this<FakeNode>
{
public:
    enum class Offsets { Exact, None, Wrong };

    QString text;
    bool positionable = true;
    bool secret = false;
    std::optional<QRectF> box;
    std::optional<Selection> selected;
    std::optional<QRectF> selectionBox;
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
        return node;
    }
    // A new child element.
    std::shared_ptr<FakeNode> add(const QString& text, std::optional<QRectF> frame = std::nullopt)
    {
        auto child = make(text, frame);
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
    QString key() const override { return QString::number(quintptr(this)); }
    bool isSecret() const override { return secret; }
    std::optional<OwnText> ownText() const override
    {
        touch();
        return text.isEmpty() ? std::nullopt : std::optional(OwnText { text, positionable });
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
    std::optional<Selection> selection() const override { return selected; }
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
        if (selectionBox)
            return selectionBox;
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
    std::optional<TopLevelWindow> under;
    std::optional<TopLevelWindow> windowAt(QPointF) const override { return under; }
};

// PRIMARY of the window under the pointer, as the test sets it.
class Primary : public PrimarySelection
{
public:
    std::optional<QString> text;
    int reads = 0;
    std::optional<TopLevelWindow> asked;
    QCoro::Task<std::optional<QString>> read(TopLevelWindow window) override
    {
        ++reads;
        asked = window;
        co_return text;
    }
};

} // namespace

// The word, and the selection, under the pointer from the accessibility tree.
class TestAccessibilityCapture : public QObject
{
    Q_OBJECT

private:
    FakeDesktop m_desktop;
    AccessibilityWordCapture m_capture { m_desktop };

    static int callsBelow(const FakeNode& node)
    {
        int total = 0;
        for (const auto& kid : node.kids)
            total += kid->calls;
        return total;
    }

    std::optional<WordCaptureService::CaptureResult> captureOver(
        const std::shared_ptr<FakeNode>& node, const QString& word, qsizetype extra = 0)
    {
        // The middle of the word's first code point, plus `extra` code points.
        const auto at = double(TextOffsets::codePointFromUtf16(node->text, node->text.indexOf(word)) + extra);
        m_desktop.hit = node;
        return m_capture.captureWordAt({ node->box->left() + (at + 0.5) * node->charWidth, node->box->center().y() });
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
        QTest::addColumn<FakeNode::Offsets>("offsets");
        QTest::addColumn<bool>("rangeBounds");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("lowConfidence");
        using enum FakeNode::Offsets;
        const QString fox = u"The quick brown fox."_s, four = u"one two three four"_s;
        QTest::newRow("exact offset") << fox << u"brown"_s << 2 << Exact << true << u"brown"_s << false;
        // Word boxes do not cover the space, so the word is estimated.
        // clang-format off
        QTest::newRow("space picks the left word") << fox << u" brown"_s << 0 << Exact << true << u"quick"_s << true;
        QTest::newRow("hyphenated") << u"A well-known fact."_s << u"known"_s << 1 << Exact << true << u"well-known"_s << false;
        QTest::newRow("wrong offset, found by range bounds") << four << u"three"_s << 1 << Wrong << true << u"three"_s << false;
        QTest::newRow("no offset, range bounds") << four << u"four"_s << 0 << None << true << u"four"_s << false;
        QTest::newRow("nothing positional: estimated") << four << u"two"_s << 1 << None << false << u"two"_s << true;
        QTest::newRow("emoji and combining mark before the word") << u"😀 cafe\u0301 naïve end"_s << u"naïve"_s << 2 << Exact << true << u"naïve"_s << false;
        QTest::newRow("combining mark inside the word") << u"un cafe\u0301 noir"_s << u"cafe\u0301"_s << 4 << Exact << true << u"cafe\u0301"_s << false;
        QTest::newRow("japanese polite past") << u"私は食べました。"_s << u"食"_s << 0 << Exact << true << u"食べました"_s << false;
        // clang-format on
    }

    void wordAtPoint()
    {
        QFETCH(QString, text);
        QFETCH(QString, pointAt);
        QFETCH(int, extra);
        QFETCH(FakeNode::Offsets, offsets);
        QFETCH(bool, rangeBounds);
        QFETCH(QString, word);
        QFETCH(bool, lowConfidence);
        auto node = FakeNode::make(text, QRectF(100, 200, 10 * TextOffsets::codePointCount(text), 18));
        node->offsets = offsets;
        node->rangeBounds = rangeBounds;
        const auto result = captureOver(node, pointAt, extra);
        QVERIFY(result);
        QCOMPARE(result->word, word);
        QCOMPARE(result->isLowConfidence, lowConfidence);
        QCOMPARE(result->bounds, node->box);
        QVERIFY(!result->sentenceSpansMultipleElements);
    }

    // Elements that cannot place characters: the word is estimated from the text alone.
    void unpositionedText()
    {
        auto node = FakeNode::make(u"Save all files"_s, QRectF(0, 0, 140, 20));
        node->positionable = false; // a title: never asked for positions
        node->offsets = FakeNode::Offsets::Wrong; // would mislead if it were asked
        m_desktop.hit = node;
        auto result = m_capture.captureWordAt(QPointF(55, 10)); // over "all"
        QVERIFY(result);
        QCOMPARE(result->word, u"all"_s);
        QVERIFY(result->isLowConfidence);
        result = m_capture.captureWordAt(QPointF(500, 10)); // outside the frame: first piece
        QCOMPARE(result->word, u"Save"_s);
        QVERIFY(result->isLowConfidence);

        node = FakeNode::make(u"  Hello world  "_s); // no frame either
        node->positionable = false;
        m_desktop.hit = node;
        result = m_capture.captureWordAt(QPointF(5, 5));
        QVERIFY(result);
        QCOMPARE(result->word, u"Hello"_s);
        QCOMPARE(result->bounds, std::nullopt);

        m_desktop.hit = FakeNode::make(u"   "_s, QRectF(0, 0, 30, 20));
        result = m_capture.captureWordAt(QPointF(5, 5));
        QVERIFY(result);
        QVERIFY(result->word.trimmed().isEmpty()); // the coordinator counts it as no result
    }

    // A whole document is one large element: its word counts when the element reports the word's
    // rectangle around the pointer; a word only estimated from a large frame goes to recognition.
    void oversizedElements_data()
    {
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("positionable");
        QTest::addColumn<bool>("captured");
        QTest::newRow("2400 wide, estimated") << QRectF(0, 0, 2400, 20) << 1.0 << false << false;
        QTest::newRow("301 tall, estimated") << QRectF(0, 0, 200, 301) << 1.0 << false << false;
        QTest::newRow("2400 wide, word rectangle") << QRectF(0, 0, 2400, 20) << 1.0 << true << true;
        QTest::newRow("text view 900 x 560") << QRectF(0, 0, 900, 560) << 1.0 << true << true;
        QTest::newRow("2400 px on a doubled screen") << QRectF(0, 0, 2400, 40) << 2.0 << false << true;
        QTest::newRow("line") << QRectF(0, 0, 1999, 300) << 1.0 << false << true;
    }

    void oversizedElements()
    {
        QFETCH(QRectF, frame);
        QFETCH(double, ratio);
        QFETCH(bool, positionable);
        QFETCH(bool, captured);
        m_desktop.ratio = ratio;
        m_desktop.hit = FakeNode::make(u"word"_s, frame);
        m_desktop.hit->positionable = positionable;
        const auto result = m_capture.captureWordAt(QPointF(5, 5));
        QCOMPARE(result.has_value(), captured);
        if (result)
            QCOMPARE(result->word, u"word"_s);
    }

    void textFoundBelowAndAbove()
    {
        // The hit element is a container: its first text-bearing descendant answers.
        auto root = FakeNode::make(QString(), QRectF(0, 0, 400, 100));
        root->add({})->add({})->add(u"deep text"_s, QRectF(0, 0, 90, 20));
        m_desktop.hit = root;
        auto result = m_capture.captureWordAt(QPointF(15, 10));
        QVERIFY(result);
        QCOMPARE(result->word, u"deep"_s);
        // A bare leaf inside a labelled button: the ancestor's text answers.
        auto button = FakeNode::make(u"Open recent"_s, QRectF(0, 0, 110, 20));
        button->positionable = false;
        m_desktop.hit = button->add({});
        result = m_capture.captureWordAt(QPointF(80, 10));
        QVERIFY(result);
        QCOMPARE(result->word, u"recent"_s);
    }

    void sentenceAssembledFromRuns()
    {
        auto paragraph = FakeNode::make(QString(), QRectF(0, 0, 600, 20));
        paragraph->add(u"The cat"_s, QRectF(0, 0, 70, 20));
        auto middle = paragraph->add(u"sat on"_s, QRectF(80, 0, 60, 20));
        paragraph->add(u"the mat. It purred."_s, QRectF(150, 0, 190, 20));
        const auto result = captureOver(middle, u"sat"_s);
        QVERIFY(result);
        QCOMPARE(result->word, u"sat"_s);
        QCOMPARE(result->sentence, u"The cat sat on the mat."_s);
        QVERIFY(result->sentenceSpansMultipleElements);
    }

    void hugeContainerIsSkippedOnTheClimb()
    {
        auto page = FakeNode::make(QString());
        auto section = page->add({});
        auto run = section->add({})->add(u"Short words here"_s, QRectF(0, 0, 160, 20));
        // The paragraph's text is only the run; the section drags in 600 characters of sidebar.
        section->add(QString(600, QLatin1Char('x')) + u". Sidebar."_s);
        const auto result = captureOver(run, u"words"_s);
        QVERIFY(result);
        QCOMPARE(result->sentence, u"Short words here"_s);
        QVERIFY(!result->sentenceSpansMultipleElements);
    }

    void sentenceOfTheWordItself()
    {
        auto node = FakeNode::make(u"There was a cat. It sat. Then the dog came."_s, QRectF(0, 0, 430, 20));
        const auto result = captureOver(node, u" the "_s, 1);
        QVERIFY(result);
        QCOMPARE(result->word, u"the"_s);
        QCOMPARE(result->sentence, u"Then the dog came."_s);
    }

    void passwordsGiveNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("the field") << u"self"_s;
        QTest::newRow("an ancestor") << u"ancestor"_s;
        QTest::newRow("a sibling on the climb") << u"sibling"_s;
    }

    void passwordsGiveNothing()
    {
        QFETCH(QString, where);
        auto form = FakeNode::make(QString());
        auto field = form->add(u"hunter2 secret"_s, QRectF(0, 0, 140, 20));
        field->secret = where == u"self"_s;
        form->secret = where == u"ancestor"_s;
        if (where == u"sibling"_s)
            form->add(u"other"_s)->secret = true;
        QCOMPARE(captureOver(field, u"secret"_s), std::nullopt);
    }

    void walksAreBounded()
    {
        // A cycle and a thousand empty nodes before any text: the walk stops, it never loops.
        auto root = FakeNode::make(QString(), QRectF(0, 0, 100, 20));
        root->add({})->kids.push_back(root);
        for (int i = 0; i < 1000; ++i)
            root->add({});
        root->add(u"too far"_s);
        m_desktop.hit = root;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
        QVERIFY(root->calls < 10);
        QVERIFY(callsBelow(*root) <= AccessibilityWordCapture::kDescendantNodeBudget * 2);
    }

    void slowApplicationHitsTheTimeBudget()
    {
        // Each call takes 20 ms: a 100 ms budget stops the walk long before the 50 children.
        auto root = FakeNode::make(QString(), QRectF(0, 0, 100, 20));
        root->delayMs = 20;
        for (int i = 0; i < 50; ++i)
            root->add({})->delayMs = 20;
        m_capture.setTimeBudgetMs(100);
        m_desktop.hit = root;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
        QVERIFY2(root->calls + callsBelow(*root) < 20, qPrintable(QString::number(callsBelow(*root))));
    }

    void nothingUnderThePointer()
    {
        m_desktop.hit = nullptr;
        QCOMPARE(m_capture.captureWordAt(QPointF(5, 5)), std::nullopt);
    }

    void selectionPaths_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<bool>("secret");
        QTest::addColumn<bool>("window"); // a window under the pointer, else the bare desktop
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("expected"); // "" = nothing
        QTest::addColumn<int>("primaryReads");
        const QRectF none;
        // clang-format off
        QTest::newRow("on the element") << 0 << u"  hola mundo \n"_s << QRectF(0, 0, 90, 20) << false << true << u"x"_s << u"hola mundo"_s << 0;
        QTest::newRow("five levels up") << 5 << u"arriba"_s << none << false << true << u"x"_s << u"arriba"_s << 0;
        QTest::newRow("six levels up is too far") << 6 << u"arriba"_s << none << false << true << u"  de PRIMARY "_s << u"de PRIMARY"_s << 1;
        QTest::newRow("blank selection") << 0 << u" \n\t "_s << none << false << true << QString() << QString() << 1;
        QTest::newRow("blank PRIMARY counts as none") << 0 << QString() << none << false << true << u" \n "_s << QString() << 1;
        QTest::newRow("oversized bounds") << 0 << u"todo"_s << QRectF(0, 0, 2900, 20) << false << true << u"otra"_s << u"otra"_s << 1;
        QTest::newRow("tall but plausible") << 0 << u"todo"_s << QRectF(0, 0, 1400, 1600) << false << true << u"otra"_s << u"todo"_s << 0;
        QTest::newRow("password field") << 0 << u"hunter2"_s << none << true << true << QString() << QString() << 1;
        QTest::newRow("nothing anywhere") << 0 << QString() << none << false << true << QString() << QString() << 1;
        QTest::newRow("bare desktop: PRIMARY is nobody's there") << 0 << QString() << none << false << false << u"elsewhere"_s << QString() << 0;
        // clang-format on
    }

    void selectionPaths()
    {
        QFETCH(int, depth);
        QFETCH(QString, selected);
        QFETCH(QRectF, box);
        QFETCH(bool, secret);
        QFETCH(bool, window);
        QFETCH(QString, primary);
        QFETCH(QString, expected);
        QFETCH(int, primaryReads);
        // A chain of `depth` empty ancestors above the hit element, the selection on the top one.
        auto top = FakeNode::make(QString());
        top->selected = AccessibleNode::Selection { selected, 0, selected.size() };
        top->selectionBox = box.isValid() ? std::optional(box) : std::nullopt;
        m_desktop.hit = top;
        for (int i = 0; i < depth; ++i)
            m_desktop.hit = m_desktop.hit->add({});
        m_desktop.hit->secret = secret;
        if (window)
            m_desktop.under = TopLevelWindow { 0x1200007, 4242 };
        Primary source;
        source.text = primary.isEmpty() ? std::nullopt : std::optional(primary);
        DesktopSelectionCapture capture(m_desktop, source);
        const auto result = Waits::waitFor(capture.captureSelectedText());
        QVERIFY(result);
        QCOMPARE(result->value_or(QString()), expected);
        QCOMPARE(source.reads, primaryReads);
        // PRIMARY is asked about the window under the pointer.
        QCOMPARE(source.asked, primaryReads ? m_desktop.under : std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestAccessibilityCapture)
#include "TestAccessibilityCapture.moc"
