#include "hotkeys/HotkeyConflictCheck.h"

#include "hotkeys/HotkeyManager.h"

namespace HotkeyConflictCheck {

std::optional<HotkeyAction> clashingAction(
    const HotkeyManager& manager, const HotkeyCombo& combo, HotkeyAction forAction)
{
    for (HotkeyAction action : manager.actions()) {
        if (action != forAction && manager.combo(action).sameTrigger(combo))
            return action;
    }
    return std::nullopt;
}

bool isAcceptable(const HotkeyManager& manager, const HotkeyCombo& combo, HotkeyAction forAction)
{
    return !combo.isEmpty() && !clashingAction(manager, combo, forAction);
}

} // namespace HotkeyConflictCheck
