#pragma once

#include <QString>

// Which sentence to keep when text recognition checks a doubtful accessibility result.
namespace SentenceTieBreak {

// Typographic quotes become ASCII ones and runs of spaces collapse to one (leading and
// trailing spaces dropped); other white space is left alone.
QString normalized(const QString& sentence);

// Pieces between space characters, empty pieces not counted.
qsizetype wordCount(const QString& sentence);

// When one normalized sentence contains the other, the shorter one wins (equal lengths keep
// the accessibility sentence); otherwise the recognized sentence wins when it has at least
// as many words. The chosen sentence is returned as captured, not normalized.
QString choose(const QString& accessibilitySentence, const QString& recognizedSentence);

} // namespace SentenceTieBreak
