#include "capture/WordEnumerator.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace WordEnumerator {

namespace {

struct Segment
{
    qsizetype start;
    qsizetype end;
    bool isWord;
};

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x309F;
}

bool containsKana(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x30FF)
            return true;
    return false;
}

// Length of the longest continuation token at the start of the text, 0 when none.
qsizetype continuationAt(QStringView text)
{
    for (qsizetype length = qMin<qsizetype>(text.size(), 6); length > 0; --length)
        if (JapaneseConjugation::continuationTokens().contains(text.first(length).toString()))
            return length;
    return 0;
}

// The dictionary segmenter cuts inflected forms at arbitrary kana (食 | べま | した), so the
// hiragana run after a word is read again: up to two kana of okurigana, then up to three
// continuation tokens. Returns how many UTF-16 units of the run belong to the word.
qsizetype inflectionLength(const QString& text, qsizetype wordEnd)
{
    qsizetype runEnd = wordEnd;
    while (runEnd < text.size() && isHiragana(text.at(runEnd)))
        ++runEnd;
    const QStringView run = QStringView(text).mid(wordEnd, runEnd - wordEnd);
    qsizetype best = 0;
    for (qsizetype okurigana = 0; okurigana <= 2 && okurigana < run.size(); ++okurigana) {
        qsizetype position = okurigana;
        int tokens = 0;
        while (tokens < 3 && position < run.size()) {
            const qsizetype length = continuationAt(run.mid(position));
            if (length == 0)
                break;
            // Right after a noun, で and だ are a particle and the copula, not an ending.
            if (okurigana == 0 && tokens == 0 && length == 1
                && (run.at(position) == QChar(u'で') || run.at(position) == QChar(u'だ')))
                break;
            position += length;
            ++tokens;
        }
        if (tokens > 0 && position > best)
            best = position;
    }
    return best;
}

} // namespace

QList<TextWord> words(const QString& text)
{
    QList<TextWord> result;
    if (text.isEmpty())
        return result;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !it)
        return result;
    const icu::UnicodeString ustr(false, reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    it->setText(ustr);

    QList<Segment> segments;
    QStringList tokens;
    int32_t start = it->first();
    for (int32_t end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next()) {
        const int32_t rule = it->getRuleStatus();
        bool isWord = !(rule >= UBRK_WORD_NONE && rule < UBRK_WORD_NONE_LIMIT);
        segments.append({ start, end, isWord });
        tokens.append(text.mid(start, end - start));
    }

    const bool japanese = containsKana(text);
    qsizetype covered = 0;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const Segment& segment = segments.at(i);
        if (!segment.isWord || segment.end <= covered)
            continue;
        const qsizetype wordStart = qMax(segment.start, covered);
        qsizetype wordEnd = segment.end;
        if (japanese && CJKScript::isPresent(tokens.at(i)))
            wordEnd += inflectionLength(text, wordEnd);
        result.append({ wordStart, wordEnd - wordStart, text.mid(wordStart, wordEnd - wordStart) });
        covered = wordEnd;
    }
    return result;
}

std::optional<TextWord> wordAt(const QString& text, qsizetype utf16Offset)
{
    const QList<TextWord> all = words(text);
    for (const TextWord& word : all)
        if (word.contains(utf16Offset))
            return word;
    return std::nullopt;
}

} // namespace WordEnumerator
