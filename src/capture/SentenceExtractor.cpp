#include "capture/SentenceExtractor.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

std::unique_ptr<icu::BreakIterator> sentenceIterator()
{
    UErrorCode status = U_ZERO_ERROR;
    // "ss=standard" keeps abbreviations such as "Mr." or "e.g." inside their sentence.
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createSentenceInstance(icu::Locale("en@ss=standard"), status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        iterator.reset(icu::BreakIterator::createSentenceInstance(icu::Locale::getRoot(), status));
    }
    return U_SUCCESS(status) ? std::move(iterator) : nullptr;
}

} // namespace

QList<std::pair<qsizetype, qsizetype>> SentenceExtractor::sentenceRanges(const QString& text)
{
    QList<std::pair<qsizetype, qsizetype>> ranges;
    thread_local std::unique_ptr<icu::BreakIterator> iterator = sentenceIterator();
    if (!iterator || text.isEmpty()) {
        if (!text.isEmpty())
            ranges.append({ 0, text.size() });
        return ranges;
    }
    const icu::UnicodeString unicode(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int32_t>(text.size()));
    iterator->setText(unicode);
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE; start = end, end = iterator->next())
        ranges.append({ start, end });
    // Drop the iterator's reference to this call's text.
    iterator->setText(icu::UnicodeString());
    return ranges;
}

QString SentenceExtractor::sentence(const QString& text, const QString& word, std::optional<qsizetype> wordOffset)
{
    if (word.isEmpty() || text.isEmpty())
        return text;
    const auto ranges = sentenceRanges(text);
    auto piece = [&text](const std::pair<qsizetype, qsizetype>& range) {
        return text.mid(range.first, range.second - range.first);
    };
    if (wordOffset) {
        for (const auto& range : ranges) {
            if (*wordOffset >= range.first && *wordOffset < range.second
                && piece(range).contains(word, Qt::CaseInsensitive))
                return piece(range).trimmed();
        }
    }
    for (const auto& range : ranges) {
        if (piece(range).contains(word, Qt::CaseInsensitive))
            return piece(range).trimmed();
    }
    return text;
}
