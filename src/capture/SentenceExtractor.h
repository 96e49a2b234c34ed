#pragma once

#include <QList>
#include <QString>

#include <optional>

// Picks the sentence of a text that contains a word.
namespace SentenceExtractor {

// The first sentence containing `word` (case-insensitive), trimmed; the whole text when the word
// or the text is empty or no sentence contains it. When `wordOffset` (UTF-16, into `text`) is
// known, the sentence around that offset is taken if it contains the word, so that "the" in a
// later sentence does not return an earlier one that contains "there".
QString sentence(const QString& text, const QString& word, std::optional<qsizetype> wordOffset = std::nullopt);

// Sentence boundaries as [start, end) UTF-16 ranges, in order.
QList<std::pair<qsizetype, qsizetype>> sentenceRanges(const QString& text);

} // namespace SentenceExtractor
