#include "capture/CJKScript.h"

bool CJKScript::isHanScalar(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF);
}

bool CJKScript::isCJKScalar(char32_t c)
{
    return isHanScalar(c) || (c >= 0x3040 && c <= 0x30FF) || (c >= 0xAC00 && c <= 0xD7A3);
}

bool CJKScript::isPresent(const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        if (isCJKScalar(c))
            return true;
    }
    return false;
}

bool CJKScript::isPureHanScript(const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        if (!isHanScalar(c))
            return false;
    }
    return true;
}
