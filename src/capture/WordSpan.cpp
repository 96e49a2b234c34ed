#include "capture/WordSpan.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/WordEnumerator.h"

#include <QList>
#include <QTextBoundaryFinder>

namespace {

bool isAlphanumeric(const QString& character)
{
    const QList<uint> scalars = character.toUcs4();
    for (uint c : scalars)
        if (QChar::isLetterOrNumber(char32_t(c)))
            return true;
    return false;
}

bool isWordCharacter(const QString& character)
{
    return character == QLatin1String("'") || character == QLatin1String("-") || isAlphanumeric(character);
}

} // namespace

WordSpan WordSpan::expand(const QString& text, qsizetype characterIndex)
{
    // Characters and their UTF-16 starts; starts has one extra entry for the end of the text.
    QStringList chars;
    QList<qsizetype> starts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype previous = 0;
    for (qsizetype next = finder.toNextBoundary(); next > 0; next = finder.toNextBoundary()) {
        chars.append(text.mid(previous, next - previous));
        starts.append(previous);
        previous = next;
    }
    starts.append(text.size());
    const qsizetype count = chars.size();
    if (count == 0)
        return {};
    qsizetype index = qBound<qsizetype>(0, characterIndex, count - 1);

    if (!isAlphanumeric(chars.at(index))) {
        for (qsizetype distance = 1; distance < count; ++distance) {
            if (index - distance >= 0 && isAlphanumeric(chars.at(index - distance))) {
                index -= distance;
                break;
            }
            if (index + distance < count && isAlphanumeric(chars.at(index + distance))) {
                index += distance;
                break;
            }
        }
    }

    auto simpleSpan = [&]() {
        qsizetype first = index;
        qsizetype last = index;
        while (first > 0 && isWordCharacter(chars.at(first - 1)))
            --first;
        while (last + 1 < count && isWordCharacter(chars.at(last + 1)))
            ++last;
        return std::pair { first, last + 1 };
    };
    auto make = [&](qsizetype first, qsizetype end) {
        return WordSpan { chars.mid(first, end - first).join(QString()), first, end - first };
    };

    if (!CJKScript::isPresent(text)) {
        const auto [first, end] = simpleSpan();
        return make(first, end);
    }

    const QList<TextWord> tokens = WordEnumerator::words(text);
    const qsizetype offset = starts.at(index);
    const TextWord* hit = nullptr;
    for (const TextWord& token : tokens)
        if (token.contains(offset)) {
            hit = &token;
            break;
        }
    const qsizetype first = hit ? starts.indexOf(hit->start) : -1;
    const qsizetype endIndex = hit ? starts.indexOf(hit->start + hit->length) : -1;
    if (first < 0 || endIndex < 0) {
        const auto [f, e] = simpleSpan();
        return make(f, e);
    }
    qsizetype spanStart = first;
    qsizetype spanEnd = endIndex;

    // Hyphenated parts on either side.
    while (spanStart >= 2 && chars.at(spanStart - 1) == QLatin1String("-") && isAlphanumeric(chars.at(spanStart - 2))) {
        spanStart -= 1;
        while (spanStart > 0 && isWordCharacter(chars.at(spanStart - 1)))
            --spanStart;
    }
    while (spanEnd + 1 < count && chars.at(spanEnd) == QLatin1String("-") && isAlphanumeric(chars.at(spanEnd + 1))) {
        spanEnd += 1;
        while (spanEnd < count && isWordCharacter(chars.at(spanEnd)))
            ++spanEnd;
    }

    auto tokenAfter = [&](qsizetype characterEnd) -> const TextWord* {
        const qsizetype from = starts.at(characterEnd);
        for (const TextWord& token : tokens)
            if (token.start >= from)
                return &token;
        return nullptr;
    };
    auto tokenBefore = [&](qsizetype characterStart) -> const TextWord* {
        const qsizetype before = starts.at(characterStart);
        const TextWord* found = nullptr;
        for (const TextWord& token : tokens)
            if (token.start + token.length <= before)
                found = &token;
        return found;
    };
    auto characterAt = [&](qsizetype utf16) { return starts.indexOf(utf16); };

    // Japanese endings the segmenter left as separate tokens.
    for (int i = 0; i < 3; ++i) {
        const TextWord* next = tokenAfter(spanEnd);
        const qsizetype nextEnd = next ? characterAt(next->start + next->length) : -1;
        if (!next || nextEnd < 0 || !JapaneseConjugation::continuationTokens().contains(next->text))
            break;
        spanEnd = nextEnd;
    }

    // Han compounds: neighbouring pure-Han tokens join the span.
    const QString spanText = chars.mid(spanStart, spanEnd - spanStart).join(QString());
    if (!spanText.isEmpty() && CJKScript::isPureHanScript(spanText)) {
        while (spanEnd < count) {
            const TextWord* next = tokenAfter(spanEnd);
            const qsizetype nextEnd = next ? characterAt(next->start + next->length) : -1;
            if (!next || next->text.isEmpty() || nextEnd < 0 || !CJKScript::isPureHanScript(next->text))
                break;
            spanEnd = nextEnd;
        }
        while (spanStart > 0) {
            const TextWord* previousToken = tokenBefore(spanStart);
            const qsizetype previousStart = previousToken ? characterAt(previousToken->start) : -1;
            if (!previousToken || previousToken->text.isEmpty() || previousStart < 0
                || !CJKScript::isPureHanScript(previousToken->text))
                break;
            spanStart = previousStart;
        }
    }
    return make(spanStart, spanEnd);
}
