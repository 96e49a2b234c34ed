#include "hotkeys/HotkeyMatcher.h"

#include "hotkeys/HotkeyCombo.h"
#include "hotkeys/HotkeyManager.h"

HotkeyMatcher::HotkeyMatcher(HotkeyManager& manager, Hooks hooks)
    : m_manager(manager)
    , m_hooks(std::move(hooks))
{
}

void HotkeyMatcher::handleFlagsChanged(quint64 modifierFlags)
{
    if (m_manager.recordingCount() > 0)
        return;
    const quint32 m = HotkeyCombo::masked(modifierFlags);
    if (m != 0) {
        for (HotkeyAction action : m_manager.actions()) {
            const HotkeyCombo combo = m_manager.combo(action);
            if (combo.hasKey() || combo.modifiers != m)
                continue;
            if (m_hooks.fire)
                m_hooks.fire(action);
            return;
        }
    }
    if (isLookupTriggerHeld())
        return;
    hideUnlessHovered();
}

void HotkeyMatcher::handleKeyDown(quint16 keyCode, quint64 modifierFlags, bool isRepeat)
{
    if (m_manager.recordingCount() > 0)
        return;
    const bool fresh = m_held.press(keyCode);
    if (isRepeat || !fresh)
        return;
    const quint32 m = HotkeyCombo::masked(modifierFlags);
    for (HotkeyAction action : m_manager.actions()) {
        const HotkeyCombo combo = m_manager.combo(action);
        if (combo.keyCode == keyCode && combo.modifiers == m) {
            if (m_hooks.fire)
                m_hooks.fire(action);
            return;
        }
    }
}

void HotkeyMatcher::handleKeyUp(quint16 keyCode)
{
    // A release always leaves the held set, also while a recorder records; otherwise a key
    // let go during recording would stay held and the lookup panel would never hide.
    m_held.release(keyCode);
    if (m_manager.recordingCount() > 0)
        return;
    const bool lookupKey = m_manager.combo(HotkeyAction::Word).keyCode == keyCode
        || m_manager.combo(HotkeyAction::Selection).keyCode == keyCode;
    if (lookupKey && !isLookupTriggerHeld())
        hideUnlessHovered();
}

bool HotkeyMatcher::isTriggerHeld(HotkeyAction action) const
{
    if (!m_manager.isRegistered(action))
        return false;
    const HotkeyCombo combo = m_manager.combo(action);
    const quint32 now = m_hooks.currentModifiers ? HotkeyCombo::masked(m_hooks.currentModifiers()) : 0;
    if (now != combo.modifiers)
        return false;
    return !combo.keyCode || m_held.isDown(*combo.keyCode);
}

bool HotkeyMatcher::isLookupTriggerHeld() const
{
    if (isTriggerHeld(HotkeyAction::Word) || isTriggerHeld(HotkeyAction::Selection))
        return true;
    // A keyed selection trigger still counts while its key is down after the modifiers went up.
    const HotkeyCombo selection = m_manager.combo(HotkeyAction::Selection);
    return m_manager.isRegistered(HotkeyAction::Selection) && selection.keyCode && m_held.isDown(*selection.keyCode);
}

void HotkeyMatcher::hideUnlessHovered()
{
    if (m_hooks.hideLookupPanelUnlessHovered)
        m_hooks.hideLookupPanelUnlessHovered();
}
