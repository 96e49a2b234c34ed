#include "platform/AccessibilityDesktop.h"
#include "platform/AccessibleNode.h"
#include "capture/DesktopSelectionCapture.h"
#include "platform/PrimarySelection.h"
#include "platform/atspi/AtspiDesktop.h"
#include "support/TextWindowProcess.h"
#include "support/Waits.h"

#include <QApplication>
#include <QClipboard>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace Qt::StringLiterals;

namespace {

class Node : public AccessibleNode
{
public:
    std::optional<Selection> selected;
    std::optional<QRectF> selectionBox;
    bool secret = false;
    std::shared_ptr<Node> up;

    QString key() const override { return QString::number(quintptr(this)); }
    bool isSecret() const override { return secret; }
    std::optional<OwnText> ownText() const override { return std::nullopt; }
    std::vector<std::shared_ptr<AccessibleNode>> children() const override { return {}; }
    std::shared_ptr<AccessibleNode> parent() const override { return up; }
    std::optional<QRectF> frame() const override { return std::nullopt; }
    std::optional<qsizetype> offsetAtPoint(QPointF) const override { return std::nullopt; }
    std::optional<QRectF> boundsForRange(qsizetype, qsizetype) const override { return selectionBox; }
    std::optional<Selection> selection() const override { return selected; }
};

class Desktop : public AccessibilityDesktop
{
public:
    std::shared_ptr<Node> hit;
    QPointF pointer() const override { return { 10, 10 }; }
    std::shared_ptr<AccessibleNode> elementAt(QPointF) override { return hit; }
    double pixelRatioAt(QPointF) const override { return 1; }
    std::optional<QRectF> screenAt(QPointF) const override { return QRectF(0, 0, 1000, 800); }
    std::optional<TopLevelWindow> under = TopLevelWindow { 0x1200007, 4242 };
    std::optional<TopLevelWindow> windowAt(QPointF) const override { return under; }
};

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

// A chain of `depth` empty ancestors above the hit element, the selection on the top one.
std::shared_ptr<Node> chain(int depth, const QString& selected, const QRectF& box)
{
    auto top = std::make_shared<Node>();
    top->selected = AccessibleNode::Selection { selected, 0, selected.size() };
    if (box.isValid())
        top->selectionBox = box;
    std::shared_ptr<Node> node = top;
    for (int i = 0; i < depth; ++i) {
        auto child = std::make_shared<Node>();
        child->up = node;
        node = child;
    }
    return node;
}

struct SelectionOwners
{
    unsigned long primary = 0;
    unsigned long clipboard = 0;
    friend bool operator==(const SelectionOwners&, const SelectionOwners&) = default;
};

// Who owns PRIMARY and CLIPBOARD, asked through a connection of its own.
SelectionOwners selectionOwners()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    const SelectionOwners owners { XGetSelectionOwner(display, XA_PRIMARY),
        XGetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False)) };
    XCloseDisplay(display);
    return owners;
}

} // namespace

class TestSelectionCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paths_data()
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
        QTest::newRow("on the element") << 0 << u"  hola mundo \n"_s << QRectF(0, 0, 90, 20) << false << true << u"x"_s
                                        << u"hola mundo"_s << 0;
        QTest::newRow("five levels up") << 5 << u"arriba"_s << none << false << true << u"x"_s << u"arriba"_s << 0;
        QTest::newRow("six levels up is too far")
            << 6 << u"arriba"_s << none << false << true << u"  de PRIMARY "_s << u"de PRIMARY"_s << 1;
        QTest::newRow("blank selection") << 0 << u" \n\t "_s << none << false << true << QString() << QString() << 1;
        QTest::newRow("blank PRIMARY counts as none")
            << 0 << QString() << none << false << true << u" \n "_s << QString() << 1;
        QTest::newRow("oversized bounds")
            << 0 << u"todo"_s << QRectF(0, 0, 1600, 20) << false << true << u"otra"_s << u"otra"_s << 1;
        QTest::newRow("tall but plausible")
            << 0 << u"todo"_s << QRectF(0, 0, 1400, 1100) << false << true << u"otra"_s << u"todo"_s << 0;
        QTest::newRow("password field") << 0 << u"hunter2"_s << none << true << true << QString() << QString() << 1;
        QTest::newRow("nothing anywhere") << 0 << QString() << none << false << true << QString() << QString() << 1;
        QTest::newRow("bare desktop: PRIMARY is nobody's there")
            << 0 << QString() << none << false << false << u"elsewhere"_s << QString() << 0;
    }

    void paths()
    {
        QFETCH(int, depth);
        QFETCH(QString, selected);
        QFETCH(QRectF, box);
        QFETCH(bool, secret);
        QFETCH(bool, window);
        QFETCH(QString, primary);
        QFETCH(QString, expected);
        QFETCH(int, primaryReads);
        Desktop desktop;
        desktop.hit = chain(depth, selected, box);
        desktop.hit->secret = secret;
        if (!window)
            desktop.under.reset();
        Primary source;
        if (!primary.isEmpty())
            source.text = primary;
        DesktopSelectionCapture capture(desktop, source);
        const auto result = Waits::waitFor(capture.captureSelectedText());
        QVERIFY(result);
        QCOMPARE(result->value_or(QString()), expected);
        QCOMPARE(source.reads, primaryReads);
        // PRIMARY is asked about the window under the pointer.
        QCOMPARE(source.asked, primaryReads ? desktop.under : std::nullopt);
    }

    void primaryOfTheApplicationUnderThePointer()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        QWidget ours;
        ours.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        ours.setGeometry(1500, 100, 300, 100);
        ours.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ours));
        // The other program selects a word in its label, and so owns PRIMARY.
        const TextWindowProcess other = TextWindowProcess::gtk({ { "x", 200 }, { "y", 600 },
            { "lines", QJsonArray { "Another program entirely." } },
            { "words", QJsonArray { QJsonArray { 0, "program" } } }, { "select", QJsonArray { 0, 8, 15 } } });
        QVERIFY(other.isOpen());
        AtspiDesktop desktop;
        const auto underOurs = desktop.windowAt(QPointF(1650, 150));
        QVERIFY(underOurs);
        QCOMPARE(underOurs->pid, QCoreApplication::applicationPid());
        const auto underOther = desktop.windowAt(other.points.first());
        QVERIFY(underOther);
        QVERIFY(underOther->pid != QCoreApplication::applicationPid());
        auto primary = PrimarySelection::createX11();
        const auto read = [&](const TopLevelWindow& window) { return Waits::waitFor(primary->read(window)); };
        using Answer = std::optional<std::optional<QString>>;
        QTRY_COMPARE(read(*underOther), Answer(u"program"_s));
        QCOMPARE(read(*underOurs), Answer(std::optional<QString>()));

        // Now this program selects something: the other one's window no longer gets it.
        QApplication::clipboard()->setText(u"mi portapapeles"_s, QClipboard::Clipboard);
        QApplication::clipboard()->setText(u"  Buenos días, ¿qué tal?  "_s, QClipboard::Selection);
        const SelectionOwners before = selectionOwners();
        QCOMPARE(read(*underOurs), Answer(u"  Buenos días, ¿qué tal?  "_s));
        QCOMPARE(read(*underOther), Answer(std::optional<QString>()));

        // Neither selection changed hands, and the clipboard still holds what the user put there.
        QCOMPARE(selectionOwners(), before);
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Clipboard), u"mi portapapeles"_s);

        QApplication::clipboard()->clear(QClipboard::Selection);
        QTRY_VERIFY(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
        const auto none = read(*underOurs);
        QVERIFY(none);
        QVERIFY(!none->has_value() || (*none)->isEmpty());
    }

    void ownerThatNeverAnswers()
    {
        if (qgetenv("DISPLAY").isEmpty())
            QSKIP("needs an X display");
        // A second client takes PRIMARY and then never reads its events: the read gives up.
        Display* hung = XOpenDisplay(nullptr);
        QVERIFY(hung);
        const ::Window owner = XCreateSimpleWindow(hung, DefaultRootWindow(hung), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(hung, XA_PRIMARY, owner, CurrentTime);
        XSync(hung, False);
        const auto text = Waits::waitFor(PrimarySelection::createX11()->read(TopLevelWindow { owner, 0 }));
        XCloseDisplay(hung);
        QVERIFY(text);
        QVERIFY(!text->has_value());
    }

    void selectionInAQtTextViewAndAGtkLabel()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        const TextWindowProcess qt = TextWindowProcess::start(QStringLiteral(QM_QT_TEXT_WINDOW), {},
            { { "x", 60 }, { "y", 700 }, { "text", "Reading aloud every evening helps a lot." },
                { "words", QJsonArray { "evening" } }, { "select", QJsonArray { 8, 19 } } });
        const TextWindowProcess gtk = TextWindowProcess::gtk({ { "x", 200 }, { "y", 300 },
            { "lines", QJsonArray { "Selected words are looked up as a whole." } },
            { "words", QJsonArray { QJsonArray { 0, "words" } } }, { "select", QJsonArray { 0, 9, 25 } } });
        QVERIFY(qt.isOpen() && gtk.isOpen());
        AtspiDesktop desktop;
        auto primary = PrimarySelection::createX11();
        DesktopSelectionCapture capture(desktop, *primary);
        QCOMPARE(capture.selectionViaAccessibility(qt.points.first()), u"aloud every"_s);
        QCOMPARE(capture.selectionViaAccessibility(gtk.points.first()), u"words are looked"_s);
    }
};

QTEST_MAIN(TestSelectionCapture)
#include "TestSelectionCapture.moc"
