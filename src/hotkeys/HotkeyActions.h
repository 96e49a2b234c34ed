#pragma once

#include <QString>

class HotkeyManager;

// The four trigger actions and their defaults on Linux, where Ctrl and Ctrl+Shift start the
// everyday shortcuts: Alt ("word"), Ctrl+Alt ("selection"), Super+Shift ("quickLookup") and
// Ctrl+Alt+Shift ("grammarAnalysis"), all without a key.
namespace HotkeyActions {

// Translation context of the titles and subtitles the manager holds as keys.
inline constexpr char kTranslationContext[] = "HotkeyActions";

// Registers the four actions in matching order with their titles, subtitles and defaults.
void registerDefaults(HotkeyManager& manager);

// A title or subtitle key in the interface language.
QString translated(const QString& key);

} // namespace HotkeyActions
