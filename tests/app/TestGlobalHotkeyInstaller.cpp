#include "app/GlobalHotkeyInstaller.h"
#include "capture/CaptureCoordinator.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyManager.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"
#include "support/CapturedLog.h"
#include "support/FakeCaptureEnvironment.h"
#include "support/FakeCaptureOverlayPanel.h"
#include "support/FakeGrammarAnalysisPanel.h"
#include "support/FakeOCRCaptureService.h"
#include "support/FakeQuickLookupPanel.h"
#include "support/FakeSelectionCaptureService.h"
#include "support/FakeWordCaptureService.h"
#include "support/TempXdgHome.h"
#include "support/XTestDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

// X keycodes of the test server's keyboard map.
constexpr int kAltL = 64;
constexpr int kControlL = 37;
constexpr int kShiftL = 50;
constexpr int kSuperL = 133;
constexpr int kF9 = 75; // in no combination
constexpr int kEscape = 9;

// The installer with fake capture services and panels, over a real X key monitor.
struct Rig
{
    TempXdgHome home;
    DefaultsStore store { home.defaultsFile() };
    HotkeyManager manager { store };
    QStringList journal;
    FakeCaptureEnvironment environment;
    FakeWordCaptureService word;
    FakeSelectionCaptureService selection;
    FakeOCRCaptureService ocr;
    FakeCaptureOverlayPanel overlay { &journal };
    FakeQuickLookupPanel quickLookup { &journal };
    FakeGrammarAnalysisPanel grammar { &journal };
    CaptureCoordinator coordinator {
        CaptureCoordinator::Collaborators { &word, &selection, &ocr, &overlay, &quickLookup, &grammar }, environment
    };
    int escapes = 0;
    GlobalHotkeyInstaller installer { manager, coordinator, [] { return GlobalKeyMonitor::createX11(); },
        [this] { ++escapes; } };

    explicit Rig(bool install = true)
    {
        word.next = WordCaptureService::CaptureResult {};
        word.next->word = QStringLiteral("cat");
        word.next->sentence = QStringLiteral("The cat sat.");
        selection.next = QStringLiteral("selected words");
        if (install) {
            installer.registerActions();
            installer.installMonitors();
        }
    }
};

} // namespace

// Drives the keyboard from a second X connection, as another client would. The matching itself
// (exact modifiers, recording, a hovered panel) is TestHotkeys' and the flows TestCaptureCoordinator's:
// here the real key monitor reaches them.
class TestGlobalHotkeyInstaller : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<XTestDriver> m_driver;

    void send(int keycode, bool down) { m_driver->key(keycode, down); }

    // Plays a script (positive: press, negative: release), one event at a time: each step
    // waits until the installer's own monitor has passed the event on to the matcher, so the
    // keyboard state the matcher reads is the state after that event.
    bool play(GlobalHotkeyInstaller& installer, const QList<int>& script)
    {
        int seen = 0;
        auto connection
            = connect(installer.monitor(), &GlobalKeyMonitor::keyEvent, this, [&](const GlobalKeyEvent&) { ++seen; });
        bool ok = true;
        for (int step : script) {
            const int before = seen;
            send(std::abs(step), step > 0);
            ok = ok && QTest::qWaitFor([&] { return seen > before; }, 5000);
        }
        disconnect(connection);
        return ok;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display");
        m_driver = std::make_unique<XTestDriver>();
        QVERIFY(m_driver->isOpen());
    }

    void registersModifierOnlyDefaults()
    {
        Rig rig(false);
        rig.installer.registerActions();
        QCOMPARE(rig.manager.actions(),
            (QList<HotkeyAction> { HotkeyAction::Word, HotkeyAction::Selection, HotkeyAction::QuickLookup,
                HotkeyAction::GrammarAnalysis }));
        for (HotkeyAction action : rig.manager.actions()) {
            QVERIFY(!rig.manager.combo(action).hasKey() && rig.manager.combo(action).modifiers != 0);
            QVERIFY(!rig.manager.storedCombo(action)); // the defaults are never written
        }
    }

    void triggersReachTheFlows_data()
    {
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<int>("wordCalls");
        const QString wordShown = QStringLiteral("overlay.show cat|The cat sat.|word");
        const QString selectionShown = QStringLiteral("overlay.show selected words||selection");
        const QString hide = QStringLiteral("overlay.hide");
        // Every modifier change that completes no trigger, with neither "word" nor "selection"
        // held, hides the lookup panel (the pointer is not over it).
        // clang-format off
        QTest::newRow("alt: word, release hides") << QList<int> { kAltL, -kAltL } << QStringList { wordShown, hide } << 1;
        QTest::newRow("ctrl alt: selection") << QList<int> { kControlL, kAltL, -kAltL, -kControlL } << QStringList { hide, selectionShown, hide, hide } << 0;
        QTest::newRow("super shift: quick lookup") << QList<int> { kSuperL, kShiftL, -kShiftL, -kSuperL } << QStringList { hide, hide, QStringLiteral("quickLookup.show"), hide, hide } << 0;
        QTest::newRow("alt with shift: no exact match") << QList<int> { kAltL, kShiftL, -kShiftL, -kAltL } << QStringList { wordShown, hide, wordShown, hide } << 2;
        // clang-format on
    }
    void triggersReachTheFlows()
    {
        QFETCH(QList<int>, script);
        QFETCH(QStringList, journal);
        QFETCH(int, wordCalls);
        Rig rig;
        QVERIFY(rig.installer.isInstalled());
        QVERIFY(play(rig.installer, script));
        QCOMPARE(rig.journal, journal);
        QCOMPARE(rig.word.calls, wordCalls);
    }

    // Escape anywhere dismisses the card; it fires no trigger.
    void escapeIsPassedOn()
    {
        Rig rig;
        QVERIFY(play(rig.installer, { kEscape, -kEscape, kF9, -kF9 }));
        QCOMPARE(rig.escapes, 1);
        QCOMPARE(rig.word.calls, 0);
    }

    void onePressInOwnWindowFiresOnce()
    {
        Rig rig;
        QLineEdit field;
        field.show();
        field.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        field.setFocus();
        struct : QObject
        {
            int altPresses = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                altPresses += e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Alt;
                return false;
            }
        } counter;
        field.installEventFilter(&counter);
        QVERIFY(play(rig.installer, { kAltL, -kAltL }));
        QTRY_COMPARE_WITH_TIMEOUT(counter.altPresses, 1, 5000);
        QCOMPARE(rig.word.calls, 1);
        QCOMPARE(rig.overlay.shown.size(), 1);
    }

    void removedMonitorsFireNothing()
    {
        Rig rig;
        rig.installer.removeMonitors();
        QVERIFY(!rig.installer.isInstalled());
        send(kAltL, true);
        send(kAltL, false);
        // A second monitor of the test sees the keys; the removed one must not fire.
        auto probe = GlobalKeyMonitor::createX11();
        QVERIFY(probe && probe->start());
        bool sawEnd = false;
        connect(probe.get(), &GlobalKeyMonitor::keyEvent, this, [&](const GlobalKeyEvent& e) {
            sawEnd = sawEnd || (e.nativeKeycode == kF9 && e.type == GlobalKeyEvent::Type::KeyUp);
        });
        send(kF9, true);
        send(kF9, false);
        QVERIFY(QTest::qWaitFor([&] { return sawEnd; }, 5000));
        QCoreApplication::processEvents();
        QCOMPARE(rig.word.calls, 0);
    }

    void withoutDisplayTriggersStayOff()
    {
        CapturedLog log;
        Rig rig(false);
        GlobalHotkeyInstaller installer(
            rig.manager, rig.coordinator, [] { return std::unique_ptr<GlobalKeyMonitor>(); });
        installer.registerActions();
        installer.installMonitors();
        QVERIFY(!installer.isInstalled());
        installer.removeMonitors();
        QVERIFY(!log.messages(QStringLiteral("quillmoor.app")).isEmpty()); // says why
    }
};

QTEST_MAIN(TestGlobalHotkeyInstaller)
#include "TestGlobalHotkeyInstaller.moc"
