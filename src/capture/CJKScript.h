#pragma once

#include <QString>

// Classifies text by East Asian script.
namespace CJKScript {

// Any scalar in a CJK range: Han, kana, Hangul syllables, compatibility ideographs.
bool isPresent(const QString& text);
// Every scalar is Han; an empty text counts as true.
bool isPureHanScript(const QString& text);
bool isCJKScalar(char32_t c);
bool isHanScalar(char32_t c);

} // namespace CJKScript
