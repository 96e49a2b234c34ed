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
        for (const QString& id : m_manager.actionIDs()) {
            const HotkeyCombo combo = m_manager.combo(id);
            if (combo.hasKey() || combo.modifiers != m)
                continue;
            if (m_hooks.fire)
                m_hooks.fire(id);
            return;
        }
    }
    if (isTriggerHeld(QStringLiteral("word")) || isTriggerHeld(QStringLiteral("selection")))
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
    for (const QString& id : m_manager.actionIDs()) {
        const HotkeyCombo combo = m_manager.combo(id);
        if (combo.keyCode == keyCode && combo.modifiers == m) {
            if (m_hooks.fire)
                m_hooks.fire(id);
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
    if (m_manager.combo(QStringLiteral("word")).keyCode == keyCode
        || m_manager.combo(QStringLiteral("selection")).keyCode == keyCode)
        hideUnlessHovered();
}

bool HotkeyMatcher::isTriggerHeld(const QString& id) const
{
    if (!m_manager.isRegistered(id))
        return false;
    const HotkeyCombo combo = m_manager.combo(id);
    const quint32 now = m_hooks.currentModifiers ? HotkeyCombo::masked(m_hooks.currentModifiers()) : 0;
    if (now != combo.modifiers)
        return false;
    return !combo.keyCode || m_held.isDown(*combo.keyCode);
}

void HotkeyMatcher::hideUnlessHovered()
{
    if (m_hooks.hideLookupPanelUnlessHovered)
        m_hooks.hideLookupPanelUnlessHovered();
}
