#include "hotkeys/HotkeyEventRouter.h"

#include "hotkeys/HotkeyMatcher.h"
#include "hotkeys/VirtualKeyCodes.h"
#include "platform/GlobalKeyMonitor.h"

namespace HotkeyEventRouter {

void dispatch(const GlobalKeyEvent& event, HotkeyMatcher& matcher)
{
    if (event.isModifierKey) {
        matcher.handleFlagsChanged(event.modifiers);
        return;
    }
    const auto keyCode = VirtualKeyCodes::fromXKeycode(event.nativeKeycode);
    if (!keyCode)
        return;
    if (event.type == GlobalKeyEvent::Type::KeyDown)
        matcher.handleKeyDown(*keyCode, event.modifiers, false);
    else
        matcher.handleKeyUp(*keyCode);
}

void attach(GlobalKeyMonitor& monitor, HotkeyMatcher& matcher)
{
    QObject::connect(&monitor, &GlobalKeyMonitor::keyEvent, &monitor,
        [&matcher](const GlobalKeyEvent& event) { dispatch(event, matcher); });
    QObject::connect(&monitor, &GlobalKeyMonitor::keyboardReset, &monitor, [&matcher] { matcher.resetHeldKeys(); });
}

} // namespace HotkeyEventRouter
