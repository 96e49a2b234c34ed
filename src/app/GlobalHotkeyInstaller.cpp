#include "app/GlobalHotkeyInstaller.h"

#include "capture/CaptureCoordinator.h"
#include "diagnostics/QMLog.h"
#include "hotkeys/HotkeyActions.h"
#include "hotkeys/HotkeyEventRouter.h"
#include "hotkeys/HotkeyManager.h"
#include "hotkeys/HotkeyMatcher.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "platform/GlobalKeyMonitor.h"

#include <QPointer>

GlobalHotkeyInstaller::GlobalHotkeyInstaller(HotkeyManager& manager, CaptureCoordinator& coordinator,
    MonitorFactory monitorFactory, std::function<void()> escape, std::function<void()> click)
    : m_manager(manager)
    , m_coordinator(coordinator)
    , m_monitorFactory(std::move(monitorFactory))
    , m_escape(std::move(escape))
    , m_click(std::move(click))
{
}

GlobalHotkeyInstaller::~GlobalHotkeyInstaller()
{
    removeMonitors();
}

void GlobalHotkeyInstaller::registerActions()
{
    HotkeyActions::registerDefaults(m_manager);
}

void GlobalHotkeyInstaller::installMonitors()
{
    if (m_monitor)
        return;
    std::unique_ptr<GlobalKeyMonitor> monitor = m_monitorFactory ? m_monitorFactory() : nullptr;
    if (!monitor) {
        qCCritical(lcApp) << "Global triggers are unavailable: no X11 display with XInput 2";
        return;
    }
    if (!monitor->start()) {
        qCCritical(lcApp) << "Global triggers are unavailable: the key monitor did not start";
        return;
    }
    GlobalKeyMonitor* source = monitor.get();
    // The handlers reach the coordinator only while it exists.
    QPointer<CaptureCoordinator> coordinator(&m_coordinator);
    HotkeyMatcher::Hooks hooks;
    hooks.fire = [coordinator](HotkeyAction action) {
        if (coordinator)
            coordinator->fire(action);
    };
    hooks.currentModifiers = [source] { return source->currentModifiers(); };
    hooks.hideLookupPanelUnlessHovered = [coordinator] {
        if (coordinator)
            coordinator->hideLookupPanelUnlessHovered();
    };
    m_matcher = std::make_unique<HotkeyMatcher>(m_manager, std::move(hooks));
    // Connected ahead of the router, so a fired action already sees its own key event's time.
    QObject::connect(source, &GlobalKeyMonitor::keyEvent, source,
        [this](const GlobalKeyEvent& event) { m_lastKeyEventTime = event.serverTime; });
    if (m_escape) {
        QObject::connect(source, &GlobalKeyMonitor::keyEvent, source, [this](const GlobalKeyEvent& event) {
            if (event.type == GlobalKeyEvent::Type::KeyDown
                && VirtualKeyCodes::fromXKeycode(event.nativeKeycode) == VirtualKeyCodes::Escape)
                m_escape();
        });
    }
    if (m_click)
        QObject::connect(source, &GlobalKeyMonitor::pointerPressed, source, [this] { m_click(); });
    HotkeyEventRouter::attach(*source, *m_matcher);
    m_monitor = std::move(monitor);
    qCDebug(lcApp) << "Global triggers installed";
}

void GlobalHotkeyInstaller::removeMonitors()
{
    if (!m_monitor)
        return;
    m_monitor->stop();
    // The monitor goes first: its connections to the matcher end with it.
    m_monitor.reset();
    m_matcher.reset();
}
