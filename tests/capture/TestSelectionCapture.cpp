#include "platform/AccessibilityDesktop.h"
#include "platform/AccessibleNode.h"
#include "capture/DesktopSelectionCapture.h"
#include "platform/PrimarySelection.h"
#include "platform/atspi/AtspiDesktop.h"
#include "support/Waits.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QElapsedTimer>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

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
    QList<TopLevelWindow> asked;
    QCoro::Task<std::optional<QString>> read(TopLevelWindow window) override
    {
        ++reads;
        asked.append(window);
        co_return text;
    }
};

// A chain of `depth` empty ancestors above the hit element, the selection on the top one.
std::shared_ptr<Node> chain(int depth, const QString& selected)
{
    auto top = std::make_shared<Node>();
    top->selected = AccessibleNode::Selection { selected, 0, selected.size() };
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

// A window of another process, ended with the test.
struct HelperWindow
{
    std::unique_ptr<QProcess> process;
    QPointF point;
    HelperWindow() = default;
    HelperWindow(HelperWindow&&) = default;
    ~HelperWindow()
    {
        if (process) {
            process->kill();
            process->waitForFinished();
        }
    }
};

// Starts a helper window process and waits for the point it prints for its first word.
HelperWindow openHelper(const QString& program, const QStringList& arguments)
{
    HelperWindow window;
    window.process = std::make_unique<QProcess>();
    window.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.process->start(program, arguments);
    if (!window.process->waitForStarted(5000) || !window.process->waitForReadyRead(15000)) {
        window.process.reset();
        return window;
    }
    const QJsonArray point = QJsonDocument::fromJson(window.process->readLine())
                                 .object()
                                 .value(QStringLiteral("points"))
                                 .toArray()
                                 .first()
                                 .toArray();
    window.point = QPointF(point.at(0).toDouble(), point.at(1).toDouble());
    QTest::qWait(300); // the toolkit's accessibility bridge registers the window
    return window;
}

QString compact(const QJsonObject& setup)
{
    return QString::fromUtf8(QJsonDocument(setup).toJson(QJsonDocument::Compact));
}

HelperWindow openGtkWindow(const QJsonObject& setup)
{
    return openHelper(QStringLiteral("/usr/bin/python3"),
        { QString::fromUtf8(qgetenv("QM_SOURCE_DIR")) + QStringLiteral("/tests/capture/gtk_text_window.py"),
            compact(setup) });
}

HelperWindow openQtWindow(const QJsonObject& setup)
{
    return openHelper(QStringLiteral(QM_QT_TEXT_WINDOW), { compact(setup) });
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
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("expected"); // "" = nothing
        QTest::addColumn<int>("primaryReads");
        QTest::newRow("on the element") << 0 << "  hola mundo \n"
                                        << QRectF(0, 0, 90, 20) << false << "x"
                                        << "hola mundo" << 0;
        QTest::newRow("five levels up") << 5 << "arriba" << QRectF() << false << "x"
                                        << "arriba" << 0;
        QTest::newRow("six levels up is too far") << 6 << "arriba" << QRectF() << false << "  de PRIMARY "
                                                  << "de PRIMARY" << 1;
        QTest::newRow("blank selection") << 0 << " \n\t " << QRectF() << false << ""
                                         << "" << 1;
        QTest::newRow("blank PRIMARY counts as none") << 0 << "" << QRectF() << false << " \n "
                                                      << "" << 1;
        QTest::newRow("oversized bounds") << 0 << "todo" << QRectF(0, 0, 1600, 20) << false << "otra"
                                          << "otra" << 1;
        QTest::newRow("tall but plausible") << 0 << "todo" << QRectF(0, 0, 1400, 1100) << false << "otra"
                                            << "todo" << 0;
        QTest::newRow("password field") << 0 << "hunter2" << QRectF() << true << ""
                                        << "" << 1;
        QTest::newRow("nothing anywhere") << 0 << "" << QRectF() << false << ""
                                          << "" << 1;
    }

    void paths()
    {
        QFETCH(int, depth);
        QFETCH(QString, selected);
        QFETCH(QRectF, box);
        QFETCH(bool, secret);
        QFETCH(QString, primary);
        QFETCH(QString, expected);
        QFETCH(int, primaryReads);
        Desktop desktop;
        desktop.hit = chain(depth, selected);
        desktop.hit->secret = secret;
        std::shared_ptr<Node> top = desktop.hit;
        while (top->up)
            top = top->up;
        if (box.isValid())
            top->selectionBox = box;
        Primary source;
        if (!primary.isEmpty())
            source.text = primary;
        DesktopSelectionCapture capture(desktop, source);
        const auto result = Waits::waitFor(capture.captureSelectedText());
        QVERIFY(result);
        QCOMPARE(result->value_or(QString()), expected);
        QCOMPARE(source.reads, primaryReads);
        // PRIMARY is asked about the window under the pointer.
        for (const TopLevelWindow& asked : source.asked)
            QCOMPARE(asked, *desktop.under);
    }

    void bareDesktopUnderThePointer()
    {
        Desktop desktop;
        desktop.hit = chain(0, QString());
        desktop.under.reset();
        Primary source;
        source.text = QStringLiteral("elsewhere");
        DesktopSelectionCapture capture(desktop, source);
        const auto result = Waits::waitFor(capture.captureSelectedText());
        QVERIFY(result);
        QVERIFY(!result->has_value());
        QCOMPARE(source.reads, 0);
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
        HelperWindow other = openGtkWindow({ { "x", 200 }, { "y", 600 }, { "selectable", true },
            { "lines", QJsonArray { "Another program entirely." } },
            { "words", QJsonArray { QJsonValue(QJsonArray { 0, "program", 0 }) } },
            { "select", QJsonArray { 0, 8, 15 } } });
        QVERIFY(other.process);
        AtspiDesktop desktop;
        const auto underOurs = desktop.windowAt(QPointF(1650, 150));
        QVERIFY(underOurs);
        QCOMPARE(underOurs->pid, QCoreApplication::applicationPid());
        const auto underOther = desktop.windowAt(other.point);
        QVERIFY(underOther);
        QVERIFY(underOther->pid != QCoreApplication::applicationPid());
        auto primary = PrimarySelection::createX11();
        QTRY_COMPARE(Waits::waitFor(primary->read(*underOther)).value_or(std::nullopt),
            std::optional<QString>(QStringLiteral("program")));
        const auto notOurs = Waits::waitFor(primary->read(*underOurs));
        QVERIFY(notOurs);
        QVERIFY(!notOurs->has_value());

        // Now this program selects something: the other one's window no longer gets it.
        QApplication::clipboard()->setText(QStringLiteral("mi portapapeles"), QClipboard::Clipboard);
        QApplication::clipboard()->setText(QStringLiteral("  Buenos días, ¿qué tal?  "), QClipboard::Selection);
        const SelectionOwners before = selectionOwners();
        const auto text = Waits::waitFor(primary->read(*underOurs));
        QVERIFY(text);
        QCOMPARE(text->value_or(QString()), QStringLiteral("  Buenos días, ¿qué tal?  "));
        const auto notTheirs = Waits::waitFor(primary->read(*underOther));
        QVERIFY(notTheirs);
        QVERIFY(!notTheirs->has_value());

        // Neither selection changed hands, and the clipboard still holds what the user put there.
        QCOMPARE(selectionOwners(), before);
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Clipboard), QStringLiteral("mi portapapeles"));

        QApplication::clipboard()->clear(QClipboard::Selection);
        QTRY_VERIFY(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
        const auto none = Waits::waitFor(primary->read(*underOurs));
        QVERIFY(none);
        QVERIFY(!none->has_value() || (*none)->isEmpty());
    }

    void ownerThatNeverAnswers()
    {
        if (qgetenv("DISPLAY").isEmpty())
            QSKIP("needs an X display");
        // A second client takes PRIMARY and then never reads its events.
        Display* hung = XOpenDisplay(nullptr);
        QVERIFY(hung);
        const ::Window owner = XCreateSimpleWindow(hung, DefaultRootWindow(hung), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(hung, XA_PRIMARY, owner, CurrentTime);
        XSync(hung, False);
        auto primary = PrimarySelection::createX11();
        QElapsedTimer timer;
        timer.start();
        const auto text = Waits::waitFor(primary->read(TopLevelWindow { owner, 0 }));
        const qint64 elapsed = timer.elapsed();
        XCloseDisplay(hung);
        QVERIFY(text);
        QVERIFY(!text->has_value());
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
    }

    void selectionInAQtTextView()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        const QString text = QStringLiteral("Reading aloud every evening helps a lot.");
        const QJsonObject setup { { "x", 60 }, { "y", 700 }, { "text", text }, { "words", QJsonArray { "evening" } },
            { "select", QJsonArray { 8, 19 } } };
        const HelperWindow window = openQtWindow(setup);
        QVERIFY(window.process);
        AtspiDesktop desktop;
        auto primary = PrimarySelection::createX11();
        DesktopSelectionCapture capture(desktop, *primary);
        QCOMPARE(capture.selectionViaAccessibility(window.point), QStringLiteral("aloud every"));
    }

    void selectionInAGtkLabel()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        const QJsonObject setup { { "x", 200 }, { "y", 300 }, { "selectable", true },
            { "lines", QJsonArray { "Selected words are looked up as a whole." } },
            { "words", QJsonArray { QJsonValue(QJsonArray { 0, "words", 0 }) } },
            { "select", QJsonArray { 0, 9, 25 } } };
        const HelperWindow window = openGtkWindow(setup);
        QVERIFY(window.process);
        AtspiDesktop desktop;
        auto primary = PrimarySelection::createX11();
        DesktopSelectionCapture capture(desktop, *primary);
        QCOMPARE(capture.selectionViaAccessibility(window.point), QStringLiteral("words are looked"));
    }
};

QTEST_MAIN(TestSelectionCapture)
#include "TestSelectionCapture.moc"
