#pragma once

#include "hotkeys/HotkeyCombo.h"

#include <QString>

// Combinations for the hotkey tests. Built field by field: GCC 12 with the sanitizers warns
// (wrongly) about an optional QString passed by value and defaulted.
namespace HotkeyCombos {

inline constexpr quint32 kShift = HotkeyCombo::Shift;
inline constexpr quint32 kCtrl = HotkeyCombo::Control;
inline constexpr quint32 kAlt = HotkeyCombo::Alt;
inline constexpr quint32 kSuper = HotkeyCombo::Super;

inline HotkeyCombo combo(quint32 modifiers)
{
    HotkeyCombo c;
    c.modifiers = modifiers;
    return c;
}

inline HotkeyCombo combo(quint32 modifiers, quint16 key)
{
    HotkeyCombo c = combo(modifiers);
    c.keyCode = key;
    return c;
}

inline HotkeyCombo combo(quint32 modifiers, quint16 key, const QString& label)
{
    HotkeyCombo c = combo(modifiers, key);
    c.keyLabel = label;
    return c;
}

} // namespace HotkeyCombos
