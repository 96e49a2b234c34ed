#pragma once

#include <QString>

// Picks the sentence of a text that contains a word.
namespace SentenceExtractor {

// The first sentence containing the word (case-insensitive), trimmed; the text unchanged when
// the word or the text is empty or no sentence contains the word.
QString sentence(const QString& text, const QString& word);

// As above, but when the caller knows where the word is (a UTF-16 offset into the text), the
// sentence around that offset is returned, so a word that also occurs inside an earlier
// sentence ("the" in "there") does not pick that earlier sentence.
QString sentence(const QString& text, const QString& word, qsizetype wordOffset);

} // namespace SentenceExtractor
