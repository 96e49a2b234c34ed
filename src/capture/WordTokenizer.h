#pragma once

#include <QList>
#include <QString>

#include <optional>

// Words of a text by ICU's word boundaries (dictionary-based for Chinese, Japanese, Thai …),
// spaces and punctuation skipped.
namespace WordTokenizer {

struct Word
{
    qsizetype start = 0; // UTF-16 offset into the text
    qsizetype length = 0;
    QString text;
};

QList<Word> words(const QString& text);
// The same, with a Japanese verb or adjective kept together with up to three following
// conjugation endings (食べ + まし + た → 食べました).
QList<Word> wordsMergingConjugations(const QString& text);
// The word that covers `offset`, if any.
std::optional<Word> wordAt(const QString& text, qsizetype offset);

} // namespace WordTokenizer
