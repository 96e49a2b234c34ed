#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"
#include "support/TempXdgHome.h"
#include "support/XTestDriver.h"

#include <QSignalSpy>
#include <QTest>

#include <X11/Xlib.h>

using namespace Qt::StringLiterals;

// Drives the keyboard from a second X connection, as another client or a remote desktop would.
// The test of the hotkey installer presses the modifier-only combinations; this one a combination
// with an ordinary key, which comes through by its position with the modifiers held.
class TestXInputKeyMonitor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyedCombinationFiresOnItsKeyWithoutGrabbing()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display");
        XTestDriver driver;
        QVERIFY(driver.isOpen());

        TempXdgHome home;
        DefaultsStore store(home.defaultsFile());
        HotkeyManager manager(store);
        manager.registerAction(HotkeyAction::QuickLookup, {}, std::nullopt,
            { HotkeyCombo::Control | HotkeyCombo::Shift, 96, std::nullopt });
        auto monitor = GlobalKeyMonitor::createX11();
        QVERIFY(monitor);
        QStringList fired;
        int lastDown = 0, firedOn = 0;
        HotkeyMatcher matcher(manager,
            { [&](HotkeyAction action) {
                 fired << HotkeyActionIds::id(action);
                 firedOn = lastDown;
             },
                [&] { return monitor->currentModifiers(); }, {} });
        connect(monitor.get(), &GlobalKeyMonitor::keyEvent, this, [&](const GlobalKeyEvent& e) {
            if (e.type == GlobalKeyEvent::Type::KeyDown)
                lastDown = e.nativeKeycode;
        });
        HotkeyEventRouter::attach(*monitor, matcher);
        QVERIFY(monitor->start());
        QSignalSpy events(monitor.get(), &GlobalKeyMonitor::keyEvent);

        // 37 Control_L, 50 Shift_L, 71 F5; positive: press, negative: release.
        for (int step : { 37, 50, 71, -71, -50, -37 }) {
            const int before = events.count();
            driver.key(std::abs(step), step > 0);
            QTRY_VERIFY_WITH_TIMEOUT(events.count() > before, 3000);
        }
        QCOMPARE(fired, QStringList { u"quickLookup"_s });
        QCOMPARE(firedOn, 71); // on the key's press
        QCOMPARE(monitor->currentModifiers(), 0u);

        // Nothing is grabbed: another client can still take the keyboard.
        Display* display = driver.display();
        QCOMPARE(XGrabKeyboard(display, DefaultRootWindow(display), 0, GrabModeAsync, GrabModeAsync, CurrentTime),
            GrabSuccess);
        XUngrabKeyboard(display, CurrentTime);
        XFlush(display);
        monitor->stop();
        QVERIFY(!monitor->isRunning());
    }
};

QTEST_GUILESS_MAIN(TestXInputKeyMonitor)
#include "TestXInputKeyMonitor.moc"
