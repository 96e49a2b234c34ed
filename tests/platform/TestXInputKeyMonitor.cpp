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
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("completingKeycode");
        // 64 Alt_L, 37 Control_L, 50 Shift_L, 133 Super_L, 71 F5.
        QTest::newRow("alt fires word") << QList<int>{64, -64} << QStringList{QStringLiteral("word")} << 64;
        QTest::newRow("ctrl alt fires selection then grammar with shift")
            << QList<int>{37, 64, 50, -50, -64, -37}
            << QStringList{QStringLiteral("selection"), QStringLiteral("grammarAnalysis"), QStringLiteral("selection")} << 64;
        QTest::newRow("super shift fires quick lookup")
            << QList<int>{133, 50, -50, -133} << QStringList{QStringLiteral("quickLookup")} << 50;
        // The quick lookup moved to Ctrl+Shift+F5: the key comes through by its position.
        QTest::newRow("keyed ctrl shift F5") << QList<int>{37, 50, 71, -71, -50, -37}
                                           << QStringList{QStringLiteral("quickLookup")} << 71;
    }
    void rawEvents()
    {
        QFETCH(QList<int>, script);
        QFETCH(QStringList, expected);
        QFETCH(int, completingKeycode);
        TempXdgHome home;
        DefaultsStore store(home.defaultsFile());
        HotkeyManager manager(store);
        auto only = [](quint32 m) {
            HotkeyCombo c;
            c.modifiers = m;
            return c;
        };
        manager.registerAction(HotkeyAction::Word, {}, std::nullopt, only(HotkeyCombo::Alt));
        manager.registerAction(HotkeyAction::Selection, {}, std::nullopt, only(HotkeyCombo::Control | HotkeyCombo::Alt));
        manager.registerAction(HotkeyAction::QuickLookup, {}, std::nullopt, only(HotkeyCombo::Super | HotkeyCombo::Shift));
        manager.registerAction(HotkeyAction::GrammarAnalysis, {}, std::nullopt,
                               only(HotkeyCombo::Control | HotkeyCombo::Alt | HotkeyCombo::Shift));
        HotkeyCombo f5 = only(HotkeyCombo::Control | HotkeyCombo::Shift);
        f5.keyCode = 96;
        f5.keyLabel = QStringLiteral("F5");
        if (QByteArray(QTest::currentDataTag()).startsWith("keyed"))
            manager.setCombo(f5, HotkeyAction::QuickLookup);

        auto monitor = GlobalKeyMonitor::createX11();
        QVERIFY(monitor);
        QStringList fired;
        int lastDownKeycode = 0;
        int firedOnKeycode = 0;
        HotkeyMatcher matcher(manager, HotkeyMatcher::Hooks{
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
        QCOMPARE(fired, expected);
        // The first trigger fired on the very press that completed its combination.
        QCOMPARE(firedOnKeycode, completingKeycode);
        QCOMPARE(monitor->currentModifiers(), 0u);

        // Nothing is grabbed: another client can still take the keyboard.
        const int grab = XGrabKeyboard(m_driver, DefaultRootWindow(m_driver), False, GrabModeAsync,
                                       GrabModeAsync, CurrentTime);
        QCOMPARE(grab, GrabSuccess);
        XUngrabKeyboard(m_driver, CurrentTime);
        XFlush(m_driver);
        monitor->stop();
        QVERIFY(!monitor->isRunning());
    }
};

QTEST_GUILESS_MAIN(TestXInputKeyMonitor)
#include "TestXInputKeyMonitor.moc"
