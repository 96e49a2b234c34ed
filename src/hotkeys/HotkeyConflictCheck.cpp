#include "hotkeys/HotkeyConflictCheck.h"

#include "hotkeys/HotkeyManager.h"

namespace HotkeyConflictCheck {

std::optional<QString> clashingAction(const HotkeyManager& manager, const HotkeyCombo& combo, const QString& forId)
{
    for (const QString& id : manager.actionIDs()) {
        if (id != forId && manager.combo(id).sameTrigger(combo))
            return id;
    }
    return std::nullopt;
}

bool isAcceptable(const HotkeyManager& manager, const HotkeyCombo& combo, const QString& forId)
{
    return !combo.isEmpty() && !clashingAction(manager, combo, forId);
}

} // namespace HotkeyConflictCheck
