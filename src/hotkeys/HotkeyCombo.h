#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <optional>

// A trigger combination: a set of the four application modifier bits, optionally with one
// ordinary key (a virtual key code, see VirtualKeyCodes) and the text that shows that key.
struct HotkeyCombo
{
    static constexpr quint32 Shift = 0x20000;
    static constexpr quint32 Control = 0x40000;
    static constexpr quint32 Alt = 0x80000;
    static constexpr quint32 Super = 0x100000;
    // Every modifier value taken from an event or the store is ANDed with this mask.
    static constexpr quint32 ModifierMask = Shift | Control | Alt | Super;

    quint32 modifiers = 0;
    std::optional<quint16> keyCode;
    std::optional<QString> keyLabel;

    static quint32 masked(quint64 flags) { return quint32(flags) & ModifierMask; }

    bool isEmpty() const { return modifiers == 0 && !keyCode.has_value(); }
    bool hasKey() const { return keyCode.has_value(); }

    // The clash test of the recorder: modifiers and key code; the label only shows the key.
    bool sameTrigger(const HotkeyCombo& other) const
    {
        return modifiers == other.modifiers && keyCode == other.keyCode;
    }

    friend bool operator==(const HotkeyCombo&, const HotkeyCombo&) = default;
};

Q_DECLARE_METATYPE(HotkeyCombo)
