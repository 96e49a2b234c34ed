#pragma once

struct GlobalKeyEvent;
class GlobalKeyMonitor;
class HotkeyMatcher;

// Feeds the desktop-wide key events to the matcher: modifier keys to the modifier-change
// handler (never into the held keys), other keys by their positional virtual key code.
namespace HotkeyEventRouter {

void dispatch(const GlobalKeyEvent& event, HotkeyMatcher& matcher);
// Routes every event and keyboard reset of the monitor to the matcher from now on.
void attach(GlobalKeyMonitor& monitor, HotkeyMatcher& matcher);

} // namespace HotkeyEventRouter
