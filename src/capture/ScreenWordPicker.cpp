#include "capture/ScreenWordPicker.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/Punctuation.h"
#include "capture/SentenceExtractor.h"
#include "capture/TextOffsets.h"
#include "capture/WordEnumerator.h"
#include "diagnostics/QMLog.h"

#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ScreenWordPicker {

namespace {

constexpr int kMaxNameGapInCharacters = 3;
constexpr qreal kMergeDistanceInLines = 1.5;

QList<Token> spaceSeparatedTokens(const QString& text)
{
    QList<Token> result;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = text.size();
        if (end > start)
            result.append({ start, end - start, text.mid(start, end - start), std::nullopt });
        start = end + 1;
    }
    return result;
}

// Word enumeration, with runs of pure-Han words merged back into one token: the segmenter cuts
// a Chinese phrase the recogniser read as one piece into dictionary words.
QList<Token> cjkTokens(const QString& text)
{
    QList<Token> result;
    bool lastWasHan = false;
    for (const TextWord& word : WordEnumerator::words(text)) {
        const bool han = !word.text.isEmpty() && CJKScript::isPureHanScript(word.text);
        if (han && lastWasHan) {
            Token& run = result.last();
            run.length = word.start + word.length - run.start;
            run.text = text.mid(run.start, run.length);
        } else {
            result.append({ word.start, word.length, word.text, std::nullopt });
        }
        lastWasHan = han;
    }
    return result;
}

QPolygonF corners(const QRectF& rect)
{
    return QPolygonF({ rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft() });
}

// Even-odd ray casting over the corner points, as for any quadrilateral.
bool quadrilateralContains(const QPolygonF& quad, QPointF point)
{
    bool inside = false;
    for (qsizetype i = 0, j = quad.size() - 1; i < quad.size(); j = i++) {
        const QPointF a = quad[i];
        const QPointF b = quad[j];
        if ((a.y() > point.y()) != (b.y() > point.y())
            && point.x() < (b.x() - a.x()) * (point.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

char32_t firstScalar(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return QStringView(text).toUcs4().value(0);
}

bool startsUpperCase(const QString& text)
{
    return QChar::isUpper(firstScalar(text));
}

qsizetype matchByPosition(const QList<Token>& tokens, const RecognizedLine& line, QPointF pointer)
{
    const qsizetype n = TextOffsets::graphemeCount(line.text);
    if (n == 0 || line.rect.width() <= 0)
        return 0;
    const qreal fraction = std::clamp((pointer.x() - line.rect.left()) / line.rect.width(), 0.0, 1.0);
    const qsizetype index = std::min<qsizetype>(qsizetype(std::floor(fraction * qreal(n))), n);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const qsizetype first = TextOffsets::graphemeFromUtf16(line.text, tokens[i].start);
        const qsizetype end = tokens[i].start + tokens[i].length >= line.text.size()
            ? n
            : TextOffsets::graphemeFromUtf16(line.text, tokens[i].start + tokens[i].length);
        if (index >= first && index < end)
            return i;
    }
    return tokens.size() - 1;
}

// A neighbour of a capitalised token that belongs to the same name.
bool joinsName(const Token& neighbour, qreal gap, qreal characterWidth)
{
    if (!neighbour.rect)
        return false;
    const QString trimmed = Punctuation::trimmed(neighbour.text);
    if (trimmed.isEmpty() || !startsUpperCase(trimmed) || isStandaloneLabel(trimmed))
        return false;
    if (neighbour.text.contains(QLatin1Char('(')) || neighbour.text.contains(QLatin1Char(')')))
        return false;
    return gap <= kMaxNameGapInCharacters * characterWidth;
}

QString resolve(const QList<Token>& tokens, qsizetype match)
{
    QStringList texts;
    texts.reserve(tokens.size());
    for (const Token& token : tokens)
        texts.append(token.text);
    const int endings = JapaneseConjugation::continuationCount(texts, match);
    if (endings > 0)
        return texts.mid(match, endings + 1).join(QString());

    const Token& matched = tokens[match];
    const QString word = Punctuation::trimmed(matched.text);
    if (word.isEmpty() || !startsUpperCase(word) || !matched.rect || isStandaloneLabel(word))
        return word;
    const qreal characterWidth
        = matched.rect->width() / qreal(std::max<qsizetype>(TextOffsets::graphemeCount(word), 1));
    QStringList pieces { word };
    if (match > 0) {
        const Token& previous = tokens[match - 1];
        if (previous.rect && joinsName(previous, matched.rect->left() - previous.rect->right(), characterWidth))
            pieces.prepend(Punctuation::trimmed(previous.text));
    }
    if (match + 1 < tokens.size()) {
        const Token& next = tokens[match + 1];
        if (next.rect && joinsName(next, next.rect->left() - matched.rect->right(), characterWidth))
            pieces.append(Punctuation::trimmed(next.text));
    }
    return pieces.join(QLatin1Char(' '));
}

bool overlapsHorizontally(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() && b.left() < a.right();
}

} // namespace

bool isStandaloneLabel(const QString& text)
{
    int letters = 0;
    for (const uint scalar : QStringView(text).toUcs4()) {
        if (!QChar::isLetter(char32_t(scalar)))
            continue;
        if (QChar::isLower(char32_t(scalar)))
            return false;
        ++letters;
    }
    return letters >= 2;
}

QList<Token> tokens(const RecognizedLine& line)
{
    QList<Token> result = CJKScript::isPresent(line.text) ? cjkTokens(line.text) : spaceSeparatedTokens(line.text);
    for (Token& token : result)
        token.rect = line.boxFor(token.start, token.length);
    return result;
}

QList<RecognizedLine> nearbyLines(const QList<RecognizedLine>& lines, QPointF pointer, qreal scale)
{
    const QRectF area(pointer.x() - kNearbyHalfWidth * scale, pointer.y() - kNearbyHalfHeight * scale,
        2 * kNearbyHalfWidth * scale, 2 * kNearbyHalfHeight * scale);
    QList<RecognizedLine> nearby;
    for (const RecognizedLine& line : lines) {
        if (line.rect.intersects(area))
            nearby.append(line);
    }
    return nearby;
}

std::optional<qsizetype> chooseLine(const QList<RecognizedLine>& nearby, QPointF pointer)
{
    if (nearby.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < nearby.size(); ++i) {
        if (nearby[i].rect.contains(pointer))
            return i;
    }
    qsizetype best = 0;
    qreal bestDistance = std::numeric_limits<qreal>::infinity();
    for (qsizetype i = 0; i < nearby.size(); ++i) {
        const QPointF d = nearby[i].rect.center() - pointer;
        const qreal distance = std::hypot(d.x(), d.y());
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

QString extractWord(const RecognizedLine& line, QPointF pointer)
{
    return pickWord(line, pointer).word;
}

PickedWord pickWord(const RecognizedLine& line, QPointF pointer)
{
    const QList<Token> all = tokens(line);
    if (all.isEmpty())
        return { line.text.trimmed(), -1 };
    qsizetype match = -1;
    for (qsizetype i = 0; i < all.size() && match < 0; ++i) {
        if (all[i].rect && quadrilateralContains(corners(*all[i].rect), pointer))
            match = i;
    }
    if (match < 0)
        match = matchByPosition(all, line, pointer);
    return { resolve(all, match), all[match].start };
}

QString buildSentence(
    const RecognizedLine& chosen, const QList<RecognizedLine>& nearby, const QString& word, qsizetype offset)
{
    const QString text = chosen.text.trimmed();
    const qsizetype leading = chosen.text.indexOf(text);
    // Where the word stands decides the sentence: "au" must not pick the sentence with "aux".
    auto sentenceIn = [&](const QString& in, qsizetype at) {
        return at >= 0 ? SentenceExtractor::sentence(in, word, at) : SentenceExtractor::sentence(in, word);
    };
    const QString sentence = sentenceIn(text, offset >= 0 ? offset - leading : -1);
    if (!text.startsWith(sentence) && !text.endsWith(sentence))
        return sentence;

    QList<RecognizedLine> block;
    const qreal height = chosen.rect.height();
    for (const RecognizedLine& line : nearby) {
        if (line.rect == chosen.rect) {
            block.append(line);
            continue;
        }
        if (line.text.trimmed().startsWith(QLatin1Char('@')) || line.rect.intersects(chosen.rect))
            continue;
        const qreal distance = std::abs(line.rect.center().y() - chosen.rect.center().y());
        const qreal smaller = std::min(line.rect.height(), height);
        const qreal larger = std::max(line.rect.height(), height);
        if (distance <= kMergeDistanceInLines * height && overlapsHorizontally(line.rect, chosen.rect)
            && smaller >= larger / 2)
            block.append(line);
    }
    std::stable_sort(block.begin(), block.end(),
        [](const RecognizedLine& a, const RecognizedLine& b) { return a.rect.top() < b.rect.top(); });
    QString joined;
    qsizetype joinedOffset = -1;
    for (const RecognizedLine& line : block) {
        if (!joined.isEmpty())
            joined.append(QLatin1Char(' '));
        if (line.rect == chosen.rect && joinedOffset < 0 && offset >= 0)
            joinedOffset = joined.size() + offset;
        joined.append(line.text);
    }
    return sentenceIn(joined, joinedOffset);
}

std::optional<OCRCaptureService::CaptureResult> pick(const QList<RecognizedLine>& lines, QPointF pointer, qreal scale)
{
    if (lines.isEmpty()) {
        qCDebug(lcCapture) << "No text recognized in screenshot";
        return std::nullopt;
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("Text lines found: %1").arg(lines.size());
    const QList<RecognizedLine> nearby = nearbyLines(lines, pointer, scale);
    const std::optional<qsizetype> chosen = chooseLine(nearby, pointer);
    if (!chosen) {
        qCDebug(lcCapture) << "No line found near cursor";
        return std::nullopt;
    }
    const RecognizedLine& line = nearby[*chosen];
    qCDebug(lcCapture).noquote() << QStringLiteral("Selected line: %1").arg(line.text);
    const PickedWord picked = pickWord(line, pointer);
    const QString& word = picked.word;
    qCDebug(lcCapture).noquote() << QStringLiteral("Selected word: %1").arg(word);
    const QString sentence = buildSentence(line, nearby, word, picked.offset);
    qCDebug(lcCapture).noquote() << QStringLiteral("Merged sentence context: %1").arg(sentence);
    return OCRCaptureService::CaptureResult { word, sentence };
}

} // namespace ScreenWordPicker
