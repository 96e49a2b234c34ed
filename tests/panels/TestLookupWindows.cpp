#include "panels/CaptureOverlayWindow.h"
#include "panels/LookupCardModel.h"
#include "panels/QuickLookupWindow.h"
#include "platform/DesktopWindowManager.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/Preferences.h"
#include "support/LookupRig.h"
#include "support/XTestDriver.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kSentence = QStringLiteral("The house is on the hill.");
} // namespace

// The two floating panels as real windows on the test desktop's X server.
class TestLookupWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<LookupRig> m_rig;
    std::unique_ptr<DesktopWindowManager> m_windows;
    bool m_triggerHeld = false;

    std::unique_ptr<CaptureOverlayWindow> overlay()
    {
        return std::make_unique<CaptureOverlayWindow>(m_rig->services(), *m_windows, [this] { return m_triggerHeld; });
    }

    // A card shown on the screen once its translation is in.
    std::unique_ptr<CaptureOverlayWindow> shownOverlay(const QString& word, QPoint at, bool isSelection = false)
    {
        auto panel = overlay();
        panel->show(word, isSelection ? word : kSentence, LogicalPoint::fromQPointF(at), isSelection);
        const bool ready = QTest::qWaitForWindowExposed(&panel->window())
            && QTest::qWaitFor([&] { return panel->view()->model().translatedWord().has_value(); }, 5000);
        return ready ? std::move(panel) : nullptr;
    }

    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // A click somewhere, seen as the application sees it: by the desktop-wide key monitor.
    static void clickThroughTheKeyMonitor(XTestDriver& driver, CaptureOverlayWindow& panel)
    {
        auto monitor = GlobalKeyMonitor::createX11();
        QVERIFY(monitor && monitor->start());
        QSignalSpy pressed(monitor.get(), &GlobalKeyMonitor::pointerPressed);
        connect(monitor.get(), &GlobalKeyMonitor::pointerPressed, &panel, &CaptureOverlayWindow::pointerPressed);
        driver.click();
        QTRY_COMPARE(pressed.count(), 1);
    }

    // A window of another kind that has the keyboard, as the learner's editor would.
    struct Editor
    {
        QWidget window;
        QLineEdit* field = new QLineEdit(&window);
    };

    static std::unique_ptr<Editor> focusedEditor()
    {
        auto editor = std::make_unique<Editor>();
        editor->window.setGeometry(40, 40, 300, 80);
        editor->window.show();
        editor->window.activateWindow();
        editor->field->setFocus();
        return editor;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the test desktop's X server (scripts/test)");
    }

    void init()
    {
        m_rig = std::make_unique<LookupRig>();
        m_rig->useEnglishToSpanish();
        m_rig->backend().answers.insert(QStringLiteral("house"), QStringLiteral("casa"));
        m_windows = DesktopWindowManager::createDefault();
        m_triggerHeld = false;
    }

    void cleanup()
    {
        m_windows.reset();
        m_rig.reset();
    }

    void placedInsideTheScreen_data()
    {
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QString>("selection");
        const QRect area = available();
        QTest::newRow("top-left") << area.topLeft() << QString();
        QTest::newRow("top-right") << area.topRight() << QString();
        QTest::newRow("bottom-left") << area.bottomLeft() << QString();
        QTest::newRow("bottom-right") << area.bottomRight() << QString();
        QTest::newRow("middle") << area.center() << QString();
        // A whole page wraps and is cut to fit, with its add button on the screen.
        // clang-format off
        QTest::newRow("long selection") << area.center() << QStringLiteral("Sentences from a whole page of selected text. ").repeated(60);
        // clang-format on
    }

    void placedInsideTheScreen()
    {
        QFETCH(QPoint, anchor);
        QFETCH(QString, selection);
        const auto panel
            = shownOverlay(selection.isEmpty() ? QStringLiteral("house") : selection, anchor, !selection.isEmpty());
        QVERIFY(panel);
        QTRY_VERIFY(available().contains(panel->window().geometry()));
        // Later results (the sentence translation, a pronunciation) re-fit the card.
        QTRY_COMPARE(panel->window().size(), panel->view()->fittingSize());
        QVERIFY(panel->window().width() <= CaptureOverlayView::kMaxWidth);
        const auto* add = panel->window().findChild<QWidget*>(QStringLiteral("add"));
        QVERIFY(available().contains(QRect(add->mapToGlobal(QPoint(0, 0)), add->size())));
        if (anchor == available().center() && selection.isEmpty())
            QCOMPARE(panel->window().pos(), anchor + QPoint(16, 16));
    }

    void neverTakesTheKeyboard()
    {
        const auto editor = focusedEditor();
        QVERIFY(QTest::qWaitForWindowActive(&editor->window));
        const auto panel = shownOverlay(QStringLiteral("house"), QPoint(400, 300));
        QVERIFY(panel);
        QTest::qWait(100);
        QCOMPARE(QApplication::activeWindow(), &editor->window);
        QCOMPARE(QApplication::focusWidget(), editor->field);
        QVERIFY(panel->window().windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(panel->window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(panel->window().testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void sameCaptureKeepsTheCardNewestWins()
    {
        const auto panel = shownOverlay(QStringLiteral("house"), QPoint(100, 100));
        QVERIFY(panel);
        QPointer<CaptureOverlayView> first = panel->view();
        panel->show(QStringLiteral("house"), kSentence, LogicalPoint { 300, 200 }, false);
        QCOMPARE(panel->view(), first.data());
        QCOMPARE(panel->window().pos(), QPoint(316, 216));
        panel->show(QStringLiteral("house"), kSentence, LogicalPoint { 300, 200 }, true); // now as a selection
        QVERIFY(!first); // replaced
        QVERIFY(panel->view()->model().isSelection());

        m_rig->backend().answers.insert(QStringLiteral("slow"), QStringLiteral("lento"));
        m_rig->backend().delaysMs.insert(QStringLiteral("slow"), 400);
        m_rig->backend().answers.insert(QStringLiteral("fast"), QStringLiteral("rápido"));
        panel->show(QStringLiteral("slow"), QString(), LogicalPoint { 100, 100 }, false);
        QTest::qWait(50);
        panel->show(QStringLiteral("fast"), QString(), LogicalPoint { 100, 100 }, false);
        QTRY_COMPARE(panel->view()->model().translatedWord(), std::optional(QStringLiteral("rápido")));
        QTest::qWait(600); // the slow translation comes back into a card that is gone
        QCOMPARE(panel->view()->model().word(), QStringLiteral("fast"));
        QCOMPARE(panel->view()->model().translatedWord(), std::optional(QStringLiteral("rápido")));
        QCOMPARE(panel->window().findChildren<CaptureOverlayView*>().size(), 1);
    }

    void leavingTheCardHidesItUnlessATriggerIsHeld()
    {
        const auto panel = shownOverlay(QStringLiteral("house"), QPoint(200, 200));
        QVERIFY(panel);
        QTest::qWait(100);
        const QRect card = panel->window().geometry();

        QCursor::setPos(card.center());
        QTRY_VERIFY(panel->isHovering());
        m_triggerHeld = true;
        QCursor::setPos(card.bottomRight() + QPoint(60, 60));
        QTRY_VERIFY(!panel->isHovering());
        QTest::qWait(100);
        QVERIFY(panel->window().isVisible());

        QCursor::setPos(card.center());
        QTRY_VERIFY(panel->isHovering());
        m_triggerHeld = false;
        QCursor::setPos(card.bottomRight() + QPoint(60, 60));
        QTRY_VERIFY(!panel->window().isVisible());
    }

    // A card hidden before its late results arrive stays hidden when they re-fit it.
    void aHiddenCardStaysHidden()
    {
        m_rig->backend().delaysMs.insert(QStringLiteral("house"), 300);
        const auto panel = overlay();
        panel->show(QStringLiteral("house"), kSentence, LogicalPoint { 200, 200 }, false);
        panel->hide();
        QTRY_VERIFY(panel->view()->model().translatedWord().has_value());
        QTest::qWait(150);
        QVERIFY(!panel->window().isVisible());
    }

    // Shown with no trigger held (a result that came after the release), the card goes when the
    // pointer moves away, at a click outside it or at Escape; moving towards it or into it keeps it.
    void looseCard_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stays");
        QTest::newRow("towards the card") << "towards" << true;
        QTest::newRow("into the card") << "into" << true;
        QTest::newRow("away") << "away" << false;
        QTest::newRow("click outside") << "click" << false;
        QTest::newRow("escape") << "escape" << false;
    }

    void looseCard()
    {
        QFETCH(QString, how);
        QFETCH(bool, stays);
        XTestDriver driver;
        QVERIFY(driver.isOpen());
        const QPoint word(300, 300);
        driver.moveTo(word);
        QTRY_COMPARE(QCursor::pos(), word);
        const auto panel = shownOverlay(QStringLiteral("house"), word);
        QVERIFY(panel);
        QTest::qWait(100);
        const QRect card = panel->window().frameGeometry();
        if (how == QLatin1String("towards"))
            driver.moveTo(word + (card.topLeft() - word) / 2);
        else if (how == QLatin1String("into"))
            driver.moveTo(card.center());
        else if (how == QLatin1String("away"))
            driver.moveTo(word - QPoint(100, 100));
        else if (how == QLatin1String("click"))
            clickThroughTheKeyMonitor(driver, *panel);
        else
            panel->dismiss();
        QTest::qWait(300);
        QCOMPARE(panel->window().isVisible(), stays);
    }

    void quickLookupTakesTheKeyboard()
    {
        const auto editor = focusedEditor();
        QVERIFY(QTest::qWaitForWindowActive(&editor->window));
        QuickLookupWindow panel(m_rig->services(), *m_windows, [] { return quint64(0); });
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.window()));
        QTRY_COMPARE(QApplication::focusWidget(), &panel.view()->field());
        const QRect area = available();
        QCOMPARE(panel.window().geometry().center().x(), area.center().x());
        QVERIFY(panel.window().geometry().center().y() < area.center().y());

        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("house"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(panel.view()->card());
        const int top = panel.window().y();
        const int centre = panel.window().geometry().center().x();
        QTRY_VERIFY(panel.view()->card()->model().translatedWord().has_value());
        QTRY_VERIFY(panel.window().height() > 80);
        QCOMPARE(panel.window().y(), top); // grows downwards
        QVERIFY(std::abs(panel.window().geometry().center().x() - centre) <= 1);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!panel.window().isVisible());

        // Opened again: empty, and clicking elsewhere closes it.
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.window()));
        QVERIFY(panel.view()->field().text().isEmpty());
        QVERIFY(!panel.view()->card());
        editor->window.activateWindow();
        QTRY_VERIFY(!panel.window().isVisible());
    }
};

QTEST_MAIN(TestLookupWindows)
#include "TestLookupWindows.moc"
