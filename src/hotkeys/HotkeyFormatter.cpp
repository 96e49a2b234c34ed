#include "hotkeys/HotkeyFormatter.h"

#include <QStringList>

#include <utility>

namespace HotkeyFormatter {
namespace {

const std::pair<quint16, const char16_t*> kSpecialKeys[] = {
    { 49, u"Space" },
    { 48, u"Tab" },
    { 51, u"\u232B" },
    { 117, u"\u2326" },
    { 123, u"\u2190" },
    { 124, u"\u2192" },
    { 125, u"\u2193" },
    { 126, u"\u2191" },
    { 115, u"Home" },
    { 119, u"End" },
    { 116, u"Page Up" },
    { 121, u"Page Down" },
    { 122, u"F1" },
    { 120, u"F2" },
    { 99, u"F3" },
    { 118, u"F4" },
    { 96, u"F5" },
    { 97, u"F6" },
    { 98, u"F7" },
    { 100, u"F8" },
    { 101, u"F9" },
    { 109, u"F10" },
    { 103, u"F11" },
    { 111, u"F12" },
};

bool isDefaultIgnorable(char32_t c)
{
    // Unicode DerivedCoreProperties Default_Ignorable_Code_Point.
    return c == 0x00AD || c == 0x034F || c == 0x061C || (c >= 0x115F && c <= 0x1160) || (c >= 0x17B4 && c <= 0x17B5)
        || (c >= 0x180B && c <= 0x180F) || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2060 && c <= 0x206F) || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0
        || (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A)
        || (c >= 0xE0000 && c <= 0xE0FFF);
}

} // namespace

QString label(const HotkeyCombo& combo)
{
    QStringList parts;
    if (combo.modifiers & HotkeyCombo::Control)
        parts << QStringLiteral("Ctrl");
    if (combo.modifiers & HotkeyCombo::Alt)
        parts << QStringLiteral("Alt");
    if (combo.modifiers & HotkeyCombo::Shift)
        parts << QStringLiteral("Shift");
    if (combo.modifiers & HotkeyCombo::Super)
        parts << QStringLiteral("Super");
    if (combo.keyLabel && !combo.keyLabel->isEmpty())
        parts << *combo.keyLabel;
    return parts.join(QLatin1Char('+'));
}

std::optional<QString> specialKeyLabel(quint16 keyCode)
{
    for (const auto& [code, text] : kSpecialKeys) {
        if (code == keyCode)
            return QString::fromUtf16(text);
    }
    return std::nullopt;
}

QString keyLabel(quint16 keyCode, const QString& charactersIgnoringModifiers)
{
    if (auto special = specialKeyLabel(keyCode))
        return *special;
    const QString upper = charactersIgnoringModifiers.toUpper();
    bool usable = !upper.isEmpty();
    for (char32_t c : upper.toUcs4()) {
        if (c < 32 || c == 0x7F || isDefaultIgnorable(c)) {
            usable = false;
            break;
        }
    }
    if (usable)
        return upper;
    return QStringLiteral("Key %1").arg(keyCode);
}

bool requiresModifier(quint16 keyCode)
{
    return keyCode == 49 || !specialKeyLabel(keyCode).has_value();
}

} // namespace HotkeyFormatter
