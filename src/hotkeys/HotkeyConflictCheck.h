#pragma once

#include "hotkeys/HotkeyAction.h"
#include "hotkeys/HotkeyCombo.h"

#include <QString>

#include <optional>

class HotkeyManager;

// Whether a recorded combination may be given to an action: it must not be empty and must
// not trigger like another action's combination (same modifiers and key code; the label only
// shows the key, so two labels of one key under two layouts are one trigger).
namespace HotkeyConflictCheck {

// The other action whose combination triggers like this one, if any.
std::optional<HotkeyAction> clashingAction(
    const HotkeyManager& manager, const HotkeyCombo& combo, HotkeyAction forAction);

// True when the combination is neither empty nor taken by another action.
bool isAcceptable(const HotkeyManager& manager, const HotkeyCombo& combo, HotkeyAction forAction);

} // namespace HotkeyConflictCheck
