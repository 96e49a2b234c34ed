#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Inflection endings that keep a Japanese verb or adjective together with its endings,
// and dictionary-form candidates for an inflected form.
namespace JapaneseConjugation {

const QSet<QString>& continuationTokens();

// Number (0 to 3) of consecutive continuation tokens right after tokens[index].
int continuationCount(const QStringList& tokens, qsizetype index);

// The word itself, then plausible dictionary forms, without duplicates or empty strings.
QStringList dictionaryFormCandidates(const QString& word);

} // namespace JapaneseConjugation
