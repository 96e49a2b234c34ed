#include "capture/CJKScript.h"

namespace CJKScript {

bool isHanScalar(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF);
}

bool isCJKScalar(char32_t c)
{
    return isHanScalar(c) || (c >= 0x3040 && c <= 0x30FF) || (c >= 0xAC00 && c <= 0xD7A3);
}

bool isPresent(const QString& text)
{
    const QList<uint> scalars = text.toUcs4();
    for (uint c : scalars)
        if (isCJKScalar(char32_t(c)))
            return true;
    return false;
}

bool isPureHanScript(const QString& text)
{
    const QList<uint> scalars = text.toUcs4();
    for (uint c : scalars)
        if (!isHanScalar(char32_t(c)))
            return false;
    return true;
}

} // namespace CJKScript
