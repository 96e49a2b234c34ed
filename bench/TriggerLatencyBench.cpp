// Latency of a global trigger: from sending Alt down to the X server (a second client, XTest)
// to the matcher calling fire(). The figure includes the request's trip to the server, so it
// bounds the time from the server's key-press to fire() from above. Needs an X display.
#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "platform/GlobalKeyMonitor.h"
#include "preferences/DefaultsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Display* driver = XOpenDisplay(nullptr);
    auto monitor = GlobalKeyMonitor::createX11();
    if (!driver || !monitor || !monitor->start()) {
        std::fprintf(stderr, "no X display with XInput 2\n");
        return 1;
    }
    QTemporaryDir dir;
    DefaultsStore store(dir.filePath(QStringLiteral("defaults.json")));
    HotkeyManager manager(store);
    HotkeyCombo alt;
    alt.modifiers = HotkeyCombo::Alt;
    manager.registerAction(HotkeyAction::Word, {}, std::nullopt, alt);

    QElapsedTimer clock;
    qint64 firedAt = -1;
    HotkeyMatcher matcher(manager,
        HotkeyMatcher::Hooks {
            [&](HotkeyAction) { firedAt = clock.nsecsElapsed(); }, [&] { return monitor->currentModifiers(); }, {} });
    HotkeyEventRouter::attach(*monitor, matcher);

    constexpr int kRounds = 300;
    std::vector<double> micros;
    clock.start();
    for (int i = 0; i < kRounds; ++i) {
        firedAt = -1;
        const qint64 sent = clock.nsecsElapsed();
        XTestFakeKeyEvent(driver, 64, True, CurrentTime);
        XFlush(driver);
        while (firedAt < 0 && clock.nsecsElapsed() - sent < 1'000'000'000)
            app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (firedAt >= 0)
            micros.push_back(double(firedAt - sent) / 1000.0);
        XTestFakeKeyEvent(driver, 64, False, CurrentTime);
        XFlush(driver);
        const qint64 upAt = clock.nsecsElapsed();
        while (monitor->currentModifiers() != 0 && clock.nsecsElapsed() - upAt < 1'000'000'000)
            app.processEvents(QEventLoop::AllEvents, 5);
        app.processEvents();
    }
    XCloseDisplay(driver);
    if (micros.empty()) {
        std::fprintf(stderr, "the trigger never fired\n");
        return 1;
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[std::min(micros.size() - 1, size_t(q * double(micros.size())))]; };
    std::printf("trigger latency over %zu presses (send to fire): p50 %.0f us, p95 %.0f us, max %.0f us\n",
        micros.size(), at(0.50), at(0.95), micros.back());
    return 0;
}
