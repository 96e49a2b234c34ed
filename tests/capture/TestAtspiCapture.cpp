#include "capture/AccessibilityWordCapture.h"
#include "capture/DesktopSelectionCapture.h"
#include "platform/PrimarySelection.h"
#include "platform/atspi/AtspiDesktop.h"
#include "support/TextWindowProcess.h"
#include "support/Waits.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

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

// Word and selection capture against real applications on the accessibility bus and the X
// server of the test desktop: GTK 3 and Qt windows with known text, placed where the test wants
// them.
class TestAtspiCapture : public QObject
{
    Q_OBJECT

    std::unique_ptr<AtspiDesktop> m_desktop;
    std::unique_ptr<AccessibilityWordCapture> m_capture;

    static QJsonObject gtkSetup(int x, int y, const QStringList& lines, const QJsonArray& words)
    {
        return { { "x", x }, { "y", y }, { "lines", QJsonArray::fromStringList(lines) }, { "words", words } };
    }

    // The word and sentence at each of the window's points, in order; GTK labels report their box.
    void checkWords(
        const TextWindowProcess& window, const QStringList& words, const QStringList& sentences, bool bounds)
    {
        QCOMPARE(window.points.size(), words.size());
        for (qsizetype i = 0; i < words.size(); ++i) {
            // A loaded machine may still be registering the window's labels on the bus.
            std::optional<WordCaptureService::CaptureResult> result;
            QTRY_VERIFY_WITH_TIMEOUT((result = m_capture->captureWordAt(window.points[i])).has_value(), 5000);
            QCOMPARE(result->word, words[i]);
            QCOMPARE(result->sentence, sentences[i]);
            QVERIFY(!result->isLowConfidence);
            QVERIFY(!bounds || (result->bounds && result->bounds->contains(window.points[i])));
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty() || qgetenv("DISPLAY").isEmpty())
            QSKIP("needs the test desktop (scripts/test)");
        m_desktop = std::make_unique<AtspiDesktop>();
        QVERIFY(m_desktop->isValid());
        m_capture = std::make_unique<AccessibilityWordCapture>(*m_desktop);
        // Sanitizer builds run several times slower; the budget itself is tested against a fake tree.
        m_capture->setTimeBudgetMs(3000);
    }
    void cleanupTestCase()
    {
        m_capture.reset();
        m_desktop.reset();
    }

    void wordsOfAGtkWindow()
    {
        const QString fox = u"The quick brown fox jumps over the lazy dog."_s;
        const QStringList lines { u"There was a cat. "_s + fox, u"Мы пили чай вечером у окна."_s,
            u"我们今天学习中文。"_s };
        const QJsonArray words { QJsonArray { 0, "brown" }, QJsonArray { 0, "the" }, QJsonArray { 1, "чай" },
            QJsonArray { 2, "学习" } };
        const TextWindowProcess window = TextWindowProcess::gtk(gtkSetup(40, 60, lines, words));
        // A run of Han words is taken as one compound.
        checkWords(
            window, { u"brown"_s, u"the"_s, u"чай"_s, u"我们今天学习中文"_s }, { fox, fox, lines[1], lines[2] }, true);
    }

    void wordsOfAQtWindow()
    {
        const QJsonObject setup { { "x", 60 }, { "y", 500 },
            { "text", "Learning by immersion works. Every evening she read the news aloud." },
            { "words", QJsonArray { "immersion", "evening", "news" } } };
        const TextWindowProcess window = TextWindowProcess::start(QStringLiteral(QM_QT_TEXT_WINDOW), {}, setup);
        const QString evening = u"Every evening she read the news aloud."_s;
        checkWords(window, { u"immersion"_s, u"evening"_s, u"news"_s },
            { u"Learning by immersion works."_s, evening, evening }, false);
    }

    // Editors and text views are one element for the whole document, much taller than a line:
    // their word rectangles are exact, so the words are taken from them.
    void wordsOfTallTextViews()
    {
        const QStringList paragraphs { u"Reading in a foreign language is slow at first. Words repeat."_s,
            u"Later the pages turn faster. The learner notices patterns."_s,
            u"Every evening she read the news aloud to her brother."_s };
        const QJsonObject gtk { { "x", 40 }, { "y", 40 }, { "lines", QJsonArray::fromStringList(paragraphs) },
            { "view", QJsonArray { 900, 560 } },
            { "words",
                QJsonArray { QJsonArray { 0, "foreign" }, QJsonArray { 1, "patterns" }, QJsonArray { 2, "news" } } } };
        const TextWindowProcess view = TextWindowProcess::gtk(gtk);
        checkWords(view, { u"foreign"_s, u"patterns"_s, u"news"_s },
            { u"Reading in a foreign language is slow at first."_s, u"The learner notices patterns."_s, paragraphs[2] },
            true);
        const auto result = m_capture->captureWordAt(view.points.first());
        QVERIFY(result && result->bounds && result->bounds->height() > 300);
        QVERIFY(!result->sentenceSpansMultipleElements);

        const QJsonObject qt { { "x", 60 }, { "y", 80 }, { "width", 900 }, { "height", 560 },
            { "text", paragraphs.join(u"\n"_s) }, { "words", QJsonArray { "slow", "faster" } } };
        const TextWindowProcess edit = TextWindowProcess::start(QStringLiteral(QM_QT_TEXT_WINDOW), {}, qt);
        checkWords(edit, { u"slow"_s, u"faster"_s },
            { u"Reading in a foreign language is slow at first."_s, u"Later the pages turn faster."_s }, false);
    }

    void theWindowOnTopWins()
    {
        const TextWindowProcess below = TextWindowProcess::gtk(
            gtkSetup(300, 400, { u"Below window text here."_s }, { QJsonValue(QJsonArray { 0, "window" }) }));
        const TextWindowProcess above = TextWindowProcess::gtk(
            gtkSetup(300, 400, { u"Upper layer words shown."_s }, { QJsonValue(QJsonArray { 0, "layer" }) }));
        QVERIFY(below.isOpen() && above.isOpen());
        const auto result = m_capture->captureWordAt(above.points.first());
        QVERIFY(result);
        QCOMPARE(result->sentence, u"Upper layer words shown."_s);
    }

    void ownWindowsAreNeverRead()
    {
        QLabel label(u"Quillmoor's own panel text"_s);
        label.setWindowFlag(Qt::FramelessWindowHint);
        label.setGeometry(700, 700, 300, 40);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QCOMPARE(m_desktop->topWindowAt(QPoint(750, 720)).value_or(AtspiDesktop::TopWindow {}).pid,
            QCoreApplication::applicationPid());
        QCOMPARE(m_capture->captureWordAt(QPointF(750, 720)), std::nullopt);
    }

    void nothingUnderAnEmptyDesktop() { QCOMPARE(m_capture->captureWordAt(QPointF(1900, 1070)), std::nullopt); }

    void primaryOfTheApplicationUnderThePointer()
    {
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
        const auto underOurs = m_desktop->windowAt(QPointF(1650, 150));
        QVERIFY(underOurs);
        QCOMPARE(underOurs->pid, QCoreApplication::applicationPid());
        const auto underOther = m_desktop->windowAt(other.points.first());
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
        const TextWindowProcess qt = TextWindowProcess::start(QStringLiteral(QM_QT_TEXT_WINDOW), {},
            { { "x", 60 }, { "y", 700 }, { "text", "Reading aloud every evening helps a lot." },
                { "words", QJsonArray { "evening" } }, { "select", QJsonArray { 8, 19 } } });
        const TextWindowProcess gtk = TextWindowProcess::gtk(
            { { "x", 200 }, { "y", 300 }, { "lines", QJsonArray { "Selected words are looked up as a whole." } },
                { "words", QJsonArray { QJsonArray { 0, "words" } } }, { "select", QJsonArray { 0, 9, 25 } } });
        QVERIFY(qt.isOpen() && gtk.isOpen());
        auto primary = PrimarySelection::createX11();
        DesktopSelectionCapture capture(*m_desktop, *primary);
        QCOMPARE(capture.selectionViaAccessibility(qt.points.first()), u"aloud every"_s);
        QCOMPARE(capture.selectionViaAccessibility(gtk.points.first()), u"words are looked"_s);
    }
};

QTEST_MAIN(TestAtspiCapture)
#include "TestAtspiCapture.moc"
