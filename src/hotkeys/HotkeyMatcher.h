#pragma once

#include "hotkeys/HeldKeyTracker.h"
#include "hotkeys/HotkeyAction.h"

#include <functional>

class HotkeyManager;

// Matches keyboard events against the registered combinations. The event source calls the
// three handlers with virtual key codes and the modifier set after the event.
class HotkeyMatcher
{
public:
    struct Hooks
    {
        std::function<void(HotkeyAction action)> fire;
        // The keyboard's modifier state now, independent of any event.
        std::function<quint32()> currentModifiers;
        // Orders the lookup panel out unless the pointer is over it.
        std::function<void()> hideLookupPanelUnlessHovered;
    };

    HotkeyMatcher(HotkeyManager& manager, Hooks hooks);

    void handleFlagsChanged(quint64 modifierFlags);
    void handleKeyDown(quint16 keyCode, quint64 modifierFlags, bool isRepeat);
    void handleKeyUp(quint16 keyCode);

    // Keyboard lost or device list changed: nothing is held any more.
    void resetHeldKeys() { m_held.clear(); }

    bool isTriggerHeld(HotkeyAction action) const;
    // Whether the lookup card must stay while the pointer is away from it: the word trigger is
    // held, or the selection trigger (its modifiers, or its key alone while it is still down).
    bool isLookupTriggerHeld() const;
    const HeldKeyTracker& heldKeys() const { return m_held; }

    // Key events carrying this marker were synthesised by this application and are ignored.
    static constexpr qint64 SelfMadeMarker = 0x53435359;
    static bool isSelfMade(qint64 sourceUserData) { return sourceUserData == SelfMadeMarker; }

private:
    void hideUnlessHovered();

    HotkeyManager& m_manager;
    Hooks m_hooks;
    HeldKeyTracker m_held;
};
