#include "capture/WordTokenizer.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

QList<WordTokenizer::Word> WordTokenizer::words(const QString& text)
{
    QList<Word> result;
    if (text.isEmpty())
        return result;
    UErrorCode status = U_ZERO_ERROR;
    thread_local std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (!iterator)
        return result;
    const icu::UnicodeString unicode(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int32_t>(text.size()));
    iterator->setText(unicode);
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE; start = end, end = iterator->next()) {
        // Rule status "none" marks spaces and punctuation.
        if (iterator->getRuleStatus() == UBRK_WORD_NONE)
            continue;
        result.append({ start, end - start, text.mid(start, end - start) });
    }
    iterator->setText(icu::UnicodeString());
    return result;
}

namespace {

bool isHiragana(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x3040 || c.unicode() > 0x309F)
            return false;
    }
    return !text.isEmpty();
}

// True when `candidate` is `head`, at most two kana of okurigana, then one to three
// conjugation endings. ICU cuts 食べました as 食|べま|した, so the endings are found by
// peeling them off the end of the joined text rather than token by token.
bool isConjugatedForm(const QString& head, const QString& candidate)
{
    QString rest = candidate;
    int peeled = 0;
    while (peeled < 3) {
        qsizetype longest = 0;
        for (const QString& ending : JapaneseConjugation::continuationTokens()) {
            if (ending.size() > longest && rest.endsWith(ending) && rest.size() - ending.size() >= head.size())
                longest = ending.size();
        }
        if (longest == 0)
            break;
        rest.chop(longest);
        ++peeled;
    }
    return peeled > 0 && rest.startsWith(head) && rest.size() - head.size() <= 2;
}

} // namespace

QList<WordTokenizer::Word> WordTokenizer::wordsMergingConjugations(const QString& text)
{
    const QList<Word> tokens = words(text);
    QStringList pieces;
    for (const Word& word : tokens)
        pieces << word.text;
    QList<Word> merged;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        Word word = tokens[i];
        if (CJKScript::isPresent(word.text)) {
            // Only endings that follow the word without a gap belong to it.
            qsizetype adjacent = 0;
            while (i + adjacent + 1 < tokens.size() && adjacent < 4
                   && tokens[i + adjacent + 1].start == tokens[i + adjacent].start + tokens[i + adjacent].length
                   && isHiragana(tokens[i + adjacent + 1].text))
                ++adjacent;
            qsizetype taken = std::min<qsizetype>(JapaneseConjugation::continuationCount(pieces, i), adjacent);
            for (qsizetype k = adjacent; k > taken; --k) {
                const qsizetype end = tokens[i + k].start + tokens[i + k].length;
                if (isConjugatedForm(word.text, text.mid(word.start, end - word.start))) {
                    taken = k;
                    break;
                }
            }
            if (taken > 0) {
                word.length = tokens[i + taken].start + tokens[i + taken].length - word.start;
                word.text = text.mid(word.start, word.length);
                i += taken;
            }
        }
        merged.append(word);
    }
    return merged;
}

std::optional<WordTokenizer::Word> WordTokenizer::wordAt(const QString& text, qsizetype offset)
{
    for (const Word& word : wordsMergingConjugations(text)) {
        if (offset >= word.start && offset < word.start + word.length)
            return word;
    }
    return std::nullopt;
}
