#pragma once

#include <QString>

#include <array>

// The four trigger actions. The string ids exist only where combinations are stored
// ("hotkey.<id>" in the defaults store) and in logs.
enum class HotkeyAction { Word, Selection, QuickLookup, GrammarAnalysis };

namespace HotkeyActionIds {

// In matching order: the first action whose combination is held fires.
inline constexpr std::array kAll { HotkeyAction::Word, HotkeyAction::Selection, HotkeyAction::QuickLookup,
    HotkeyAction::GrammarAnalysis };

inline QString id(HotkeyAction action)
{
    switch (action) {
    case HotkeyAction::Word:
        return QStringLiteral("word");
    case HotkeyAction::Selection:
        return QStringLiteral("selection");
    case HotkeyAction::QuickLookup:
        return QStringLiteral("quickLookup");
    case HotkeyAction::GrammarAnalysis:
        return QStringLiteral("grammarAnalysis");
    }
    return {};
}

} // namespace HotkeyActionIds
