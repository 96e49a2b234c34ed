#pragma once

#include "app/LaunchServices.h"

#include <QtGlobal>

#include <functional>
#include <memory>

class CaptureCoordinator;
class GlobalKeyMonitor;
class HotkeyManager;
class HotkeyMatcher;

// Registers the trigger actions and feeds the desktop-wide key events to the matcher, whose
// fired actions go to the capture coordinator. The raw key events already include keys typed
// into this application's own windows, so they are the only source: one press, one fire.
class GlobalHotkeyInstaller final : public HotkeyInstaller
{
public:
    using MonitorFactory = std::function<std::unique_ptr<GlobalKeyMonitor>()>;

    // The factory may give nullptr (no X display, a Wayland session): triggers then stay off.
    // `escape` runs when Escape is pressed anywhere on the desktop, `click` when a mouse button
    // goes down anywhere (nothing is grabbed: the focused window gets them too).
    GlobalHotkeyInstaller(HotkeyManager& manager, CaptureCoordinator& coordinator, MonitorFactory monitorFactory,
        std::function<void()> escape = {}, std::function<void()> click = {});
    ~GlobalHotkeyInstaller() override;

    void registerActions() override;
    void installMonitors() override;
    void removeMonitors() override;

    bool isInstalled() const { return m_monitor != nullptr; }
    // Null until the monitors are installed.
    const HotkeyMatcher* matcher() const { return m_matcher.get(); }
    GlobalKeyMonitor* monitor() const { return m_monitor.get(); }
    // The X server time of the latest key event seen anywhere (0 before the first): a panel
    // opened by a trigger asks for the keyboard in that event's name.
    quint64 lastKeyEventTime() const { return m_lastKeyEventTime; }

private:
    HotkeyManager& m_manager;
    CaptureCoordinator& m_coordinator;
    MonitorFactory m_monitorFactory;
    std::function<void()> m_escape;
    std::function<void()> m_click;
    std::unique_ptr<GlobalKeyMonitor> m_monitor;
    std::unique_ptr<HotkeyMatcher> m_matcher;
    quint64 m_lastKeyEventTime = 0;
};
