#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"
#include "support/TempXdgHome.h"

#include <QSignalSpy>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

HotkeyCombo combo(quint32 modifiers, std::optional<quint16> key = {}, std::optional<QString> label = {})
{
    return { modifiers, key, label };
}
} // namespace

// Drives the keyboard from a second X connection, as another client or a remote desktop would.
class TestXInputKeyMonitor : public QObject
{
    Q_OBJECT

private:
    Display* m_driver = nullptr;

    void send(int keycode, bool down)
    {
        XTestFakeKeyEvent(m_driver, unsigned(keycode), down ? True : False, CurrentTime);
        XFlush(m_driver);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display");
        m_driver = XOpenDisplay(nullptr);
        QVERIFY(m_driver);
        int event = 0, error = 0, major = 0, minor = 0;
        QVERIFY(XTestQueryExtension(m_driver, &event, &error, &major, &minor));
    }
    void cleanupTestCase()
    {
        if (m_driver)
            XCloseDisplay(m_driver);
    }

    void rawEvents_data()
    {
        QTest::addColumn<QList<int>>("script"); // positive: press keycode, negative: release
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("completingKeycode");
        // 64 Alt_L, 37 Control_L, 50 Shift_L, 71 F5; the test of the hotkey installer presses the
        // other combinations.
        QTest::newRow("ctrl alt fires selection then grammar with shift")
            << QList<int> { 37, 64, 50, -50, -64, -37 } << QStringLiteral("selection grammarAnalysis selection") << 64;
        // The key of Ctrl+Shift+F5 comes through by its position.
        QTest::newRow("keyed ctrl shift F5")
            << QList<int> { 37, 50, 71, -71, -50, -37 } << QStringLiteral("quickLookup") << 71;
    }
    void rawEvents()
    {
        QFETCH(QList<int>, script);
        QFETCH(QString, expected);
        QFETCH(int, completingKeycode);
        using C = HotkeyCombo;
        TempXdgHome home;
        DefaultsStore store(home.defaultsFile());
        HotkeyManager manager(store);
        manager.registerAction(HotkeyAction::Selection, {}, std::nullopt, combo(C::Control | C::Alt));
        manager.registerAction(
            HotkeyAction::QuickLookup, {}, std::nullopt, combo(C::Control | C::Shift, 96, QStringLiteral("F5")));
        manager.registerAction(HotkeyAction::GrammarAnalysis, {}, std::nullopt, combo(C::Control | C::Alt | C::Shift));

        auto monitor = GlobalKeyMonitor::createX11();
        QVERIFY(monitor);
        QStringList fired;
        int lastDownKeycode = 0;
        int firedOnKeycode = 0;
        HotkeyMatcher matcher(manager,
            HotkeyMatcher::Hooks {
                [&](HotkeyAction action) {
                    fired << HotkeyActionIds::id(action);
                    if (fired.size() == 1)
                        firedOnKeycode = lastDownKeycode;
                },
                [&] { return monitor->currentModifiers(); },
                {},
            });
        connect(monitor.get(), &GlobalKeyMonitor::keyEvent, this, [&](const GlobalKeyEvent& e) {
            if (e.type == GlobalKeyEvent::Type::KeyDown)
                lastDownKeycode = e.nativeKeycode;
        });
        HotkeyEventRouter::attach(*monitor, matcher);
        QVERIFY(monitor->start());
        QSignalSpy events(monitor.get(), &GlobalKeyMonitor::keyEvent);

        for (int step : script) {
            const int before = events.count();
            send(std::abs(step), step > 0);
            QTRY_VERIFY_WITH_TIMEOUT(events.count() > before, 3000);
        }
        QCOMPARE(fired.join(QLatin1Char(' ')), expected);
        // The first trigger fired on the very press that completed its combination.
        QCOMPARE(firedOnKeycode, completingKeycode);
        QCOMPARE(monitor->currentModifiers(), 0u);

        // Nothing is grabbed: another client can still take the keyboard.
        const int grab
            = XGrabKeyboard(m_driver, DefaultRootWindow(m_driver), False, GrabModeAsync, GrabModeAsync, CurrentTime);
        QCOMPARE(grab, GrabSuccess);
        XUngrabKeyboard(m_driver, CurrentTime);
        XFlush(m_driver);
        monitor->stop();
        QVERIFY(!monitor->isRunning());
    }
};

QTEST_GUILESS_MAIN(TestXInputKeyMonitor)
#include "TestXInputKeyMonitor.moc"
