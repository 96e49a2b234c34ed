#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The few Japanese inflection endings the capture needs: to keep a verb or adjective together
// with its endings, and to guess dictionary forms of an inflected word.
namespace JapaneseConjugation {

const QSet<QString>& continuationTokens();
// How many tokens right after `index` are continuation tokens, at most 3.
int continuationCount(const QStringList& tokens, qsizetype index);
// The word itself, then dictionary-form guesses, without duplicates or empty strings.
QStringList dictionaryFormCandidates(const QString& word);

} // namespace JapaneseConjugation
