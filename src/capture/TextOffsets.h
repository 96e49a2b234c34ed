#pragma once

#include <QString>

// Converts between the offset units in use: code points (the accessibility bus), UTF-16 units
// (QString) and user-perceived characters (grapheme clusters).
namespace TextOffsets {

// UTF-16 offset of the code point with the given index; clamped to the text.
qsizetype utf16FromCodePoint(const QString& text, qsizetype codePointIndex);

// Code point index of the UTF-16 offset; an offset inside a surrogate pair maps to its code point.
qsizetype codePointFromUtf16(const QString& text, qsizetype utf16Offset);

// UTF-16 offset of the start of the grapheme cluster with the given index; clamped to the text.
qsizetype utf16FromGrapheme(const QString& text, qsizetype graphemeIndex);

// Index of the grapheme cluster containing the UTF-16 offset.
qsizetype graphemeFromUtf16(const QString& text, qsizetype utf16Offset);

qsizetype codePointCount(const QString& text);
qsizetype graphemeCount(const QString& text);

} // namespace TextOffsets
