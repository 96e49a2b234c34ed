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
        const TextWindowProcess other = TextWindowProcess::gtk(
            { { "x", 200 }, { "y", 600 }, { "lines", QJsonArray { "Another program entirely." } },
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
        const TextWindowProcess gtk = TextWindowProcess::gtk(
            { { "x", 200 }, { "y", 300 }, { "lines", QJsonArray { "Selected words are looked up as a whole." } },
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
