#pragma once

#include <QList>
#include <QString>

// One word of a text: its UTF-16 range and text.
struct TextWord
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;

    bool contains(qsizetype offset) const { return offset >= start && offset < start + length; }
    bool operator==(const TextWord&) const = default;
};

// Word enumeration with dictionary segmentation of Chinese, Japanese and Thai; punctuation and
// spaces are skipped, and a Japanese verb or adjective keeps up to three following inflection
// endings (食べ + まし + た is one word).
namespace WordEnumerator {

QList<TextWord> words(const QString& text);

// The word whose range contains the UTF-16 offset, if any.
std::optional<TextWord> wordAt(const QString& text, qsizetype utf16Offset);

} // namespace WordEnumerator
