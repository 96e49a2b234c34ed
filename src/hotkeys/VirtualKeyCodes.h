#pragma once

#include <QtGlobal>

#include <optional>

// The application's own key codes are positional virtual key codes (A=0, S=1, …, Return 36,
// Tab 48, Space 49, arrows 123–126). X keycodes (evdev code + 8) are translated to them by
// the key's physical position, so a combination recorded under one layout matches under any
// other. Keycodes without a place in the table use a private range that round-trips.
namespace VirtualKeyCodes {

constexpr quint16 Return = 36;
constexpr quint16 Tab = 48;
constexpr quint16 Space = 49;
constexpr quint16 Delete = 51;
constexpr quint16 Escape = 53;
constexpr quint16 KeypadEnter = 76;
constexpr quint16 PrivateBase = 0x1000;

// Virtual key code of an X keycode (8–255); nullopt for values outside the X keycode range.
std::optional<quint16> fromXKeycode(int xKeycode);
// The X keycode a virtual key code came from; nullopt when no keycode maps to it.
std::optional<int> toXKeycode(quint16 virtualKey);

} // namespace VirtualKeyCodes
