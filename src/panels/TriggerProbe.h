#pragma once

#include "hotkeys/HotkeyCombo.h"

#include <QtGlobal>

#include <functional>
#include <optional>

// The keyboard as the panels see it when the pointer leaves the card: the combinations of the
// word and selection triggers, the modifier keys down now, and the ordinary keys held.
struct TriggerProbe
{
    std::function<std::optional<HotkeyCombo>(const char* id)> combo; // absent: not registered
    std::function<quint32()> currentModifiers;
    std::function<bool(quint16 keyCode)> isKeyDown;

    // Leaving the card keeps it open while the word trigger is held, while a modifier-only
    // selection trigger is held, or while the selection trigger's key is down.
    bool keepsCardOpen() const
    {
        const quint32 modifiers = currentModifiers ? HotkeyCombo::masked(currentModifiers()) : 0;
        const auto keyDown = [this](quint16 code) { return isKeyDown && isKeyDown(code); };
        const auto heldWithModifiers = [&](const std::optional<HotkeyCombo>& c) {
            return c && c->modifiers == modifiers && (!c->keyCode || keyDown(*c->keyCode));
        };
        if (!combo)
            return false;
        if (heldWithModifiers(combo("word")))
            return true;
        const std::optional<HotkeyCombo> selection = combo("selection");
        if (selection && !selection->keyCode && selection->modifiers == modifiers)
            return true;
        return selection && selection->keyCode && keyDown(*selection->keyCode);
    }
};
