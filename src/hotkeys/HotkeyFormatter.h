#pragma once

#include "hotkeys/HotkeyCombo.h"

#include <QString>

#include <optional>

// Text forms of combinations and keys (no state).
namespace HotkeyFormatter {

// "Ctrl", "Alt", "Shift", "Super" (each only if present) joined by "+", then the key label
// when it is present and not empty: "Ctrl+Alt+F5".
QString label(const HotkeyCombo& combo);

// Fixed label of a special key (Space, Tab, arrows, F-keys, …); nullopt for other keys.
std::optional<QString> specialKeyLabel(quint16 keyCode);

// Label of a pressed key: the special-key label; else the key's text of the current layout
// without modifiers, upper-cased, when it is not empty and holds no control or
// default-ignorable code point; else "Key " and the code in decimal.
QString keyLabel(quint16 keyCode, const QString& charactersIgnoringModifiers);

// False for the keys that may form a combination without a modifier (the special keys except
// Space); true for every other key.
bool requiresModifier(quint16 keyCode);

} // namespace HotkeyFormatter
