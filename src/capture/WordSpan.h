#pragma once

#include <QString>

// A word inside a text, with its range counted in user-perceived characters.
struct WordSpan
{
    QString word;
    qsizetype start = 0;
    qsizetype length = 0;

    // Expands a character index to the word around it: the nearest letter or digit, then the
    // run of word characters (letters, digits, "'" and "-"); in CJK text the word segmentation
    // decides, with hyphenated parts, Japanese endings and Han compounds joined.
    static WordSpan expand(const QString& text, qsizetype characterIndex);
};
