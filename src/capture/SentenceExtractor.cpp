#include "capture/SentenceExtractor.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <utility>
#include <vector>

namespace SentenceExtractor {

namespace {

// Sentence ranges [start, end) in UTF-16 units, in order.
std::vector<std::pair<qsizetype, qsizetype>> sentenceRanges(const QString& text)
{
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    UErrorCode status = U_ZERO_ERROR;
    // The common sentence rules, with the usual abbreviations ("Mr.", "e.g.") not ending a sentence.
    static const icu::Locale locale("en@ss=standard");
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createSentenceInstance(locale, status));
    if (U_FAILURE(status) || !it) {
        ranges.emplace_back(0, text.size());
        return ranges;
    }
    const icu::UnicodeString ustr(false, reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    it->setText(ustr);
    int32_t start = it->first();
    for (int32_t end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next())
        ranges.emplace_back(start, end);
    return ranges;
}

} // namespace

QString sentence(const QString& text, const QString& word)
{
    if (word.isEmpty() || text.isEmpty())
        return text;
    for (const auto& [start, end] : sentenceRanges(text)) {
        const QString part = text.mid(start, end - start);
        if (part.contains(word, Qt::CaseInsensitive))
            return part.trimmed();
    }
    return text;
}

QString sentence(const QString& text, const QString& word, qsizetype wordOffset)
{
    if (word.isEmpty() || text.isEmpty())
        return text;
    if (wordOffset < 0 || wordOffset >= text.size())
        return sentence(text, word);
    const auto ranges = sentenceRanges(text);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const auto [start, end] = ranges[i];
        if (wordOffset < start || wordOffset >= end)
            continue;
        // A word that runs past a sentence break (an abbreviation the segmenter split at)
        // takes the following sentences along until the whole word is inside.
        qsizetype last = end;
        for (std::size_t j = i + 1; j < ranges.size() && last < wordOffset + word.size(); ++j)
            last = ranges[j].second;
        const QString part = text.mid(start, last - start);
        if (part.contains(word, Qt::CaseInsensitive))
            return part.trimmed();
        break;
    }
    return sentence(text, word);
}

} // namespace SentenceExtractor
