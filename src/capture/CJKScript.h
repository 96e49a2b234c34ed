#pragma once

#include <QString>

// Classifies text by Unicode script (East Asian scripts and Han ideographs).
namespace CJKScript {

// True when any scalar of the text is Han, kana or a Hangul syllable.
bool isPresent(const QString& text);

// True when every scalar is a Han ideograph; an empty text counts as true.
bool isPureHanScript(const QString& text);

bool isCJKScalar(char32_t scalar);
bool isHanScalar(char32_t scalar);

} // namespace CJKScript
