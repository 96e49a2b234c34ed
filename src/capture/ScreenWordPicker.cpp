#include "capture/ScreenWordPicker.h"

#include "capture/CJKScript.h"
#include "capture/JapaneseConjugation.h"
#include "capture/Punctuation.h"
#include "capture/SentenceExtractor.h"
#include "capture/TextOffsets.h"
#include "capture/WordEnumerator.h"
#include "diagnostics/QMLog.h"

#include <QPolygonF>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace ScreenWordPicker {

namespace {

constexpr int kMaxNameGapInCharacters = 3;
// The longest Japanese compound of Han words that is still taken as one word.
constexpr qsizetype kMaxHanCompound = 6;
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

bool containsKana(const QString& text)
{
    for (const uint c : text.toUcs4()) {
        if (c >= 0x3040 && c <= 0x30FF)
            return true;
    }
    return false;
}

// Word enumeration. In Japanese, touching pure-Han words are merged back into one compound of a
// few characters: the segmenter cuts a compound noun the recogniser read as one piece ("東京大学")
// into dictionary words. Chinese keeps the segmenter's words: a run of Han there is a whole clause.
// Punctuation between two words always ends a compound.
QList<Token> cjkTokens(const QString& text)
{
    QList<Token> result;
    const bool japanese = containsKana(text);
    bool lastWasHan = false;
    for (const TextWord& word : WordEnumerator::words(text)) {
        const bool han = !word.text.isEmpty() && CJKScript::isPureHanScript(word.text);
        const bool touching = !result.isEmpty() && result.last().start + result.last().length == word.start;
        if (japanese && han && lastWasHan && touching && result.last().length + word.length <= kMaxHanCompound) {
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

bool endsSentence(const QString& token)
{
    static const QRegularExpression end(QStringLiteral("[.!?…。！？][\"'»”’」』)\\]]*$"));
    // An initial ("J.") or a title ("Dr.") ends no sentence: the name follows it.
    static const QRegularExpression initialOrTitle(
        QStringLiteral("^(\\p{Lu}|Dr|Mr|Mrs|Ms|Prof|St|Sr|Sra|Mme|Mlle|Hr|Fr)\\.$"));
    return end.match(token).hasMatch() && !initialOrTitle.match(token).hasMatch();
}

bool opensQuote(const QString& token)
{
    static const QString openers = QStringLiteral("\"'«“„‘‚‹「『(");
    return !token.isEmpty() && openers.contains(token.front());
}

// Articles, determiners, pronouns and prepositions that sentences start with in the Latin- and
// Cyrillic-script study languages. Capitalised at a sentence start, they are not part of a name
// ("Im Wartezimmer", "Mein Bruder"). German capitalises every noun, so without this the first two
// words of many German sentences would read as a name; two capitalised words elsewhere still join
// ("Frau Weber", "Los Angeles" inside a sentence).
bool isFunctionWord(const QString& word)
{
    // clang-format off
    static const QSet<QString> words {
        // English
        u"the"_s, u"a"_s, u"an"_s, u"in"_s, u"on"_s, u"at"_s, u"my"_s, u"his"_s, u"her"_s, u"our"_s, u"their"_s, u"your"_s, u"this"_s, u"that"_s, u"it"_s, u"he"_s, u"she"_s, u"we"_s, u"they"_s, u"i"_s, u"when"_s, u"if"_s, u"but"_s, u"and"_s,
        // German
        u"der"_s, u"die"_s, u"das"_s, u"den"_s, u"dem"_s, u"des"_s, u"ein"_s, u"eine"_s, u"einen"_s, u"einem"_s, u"mein"_s, u"meine"_s, u"dein"_s, u"sein"_s, u"seine"_s, u"ihr"_s, u"ihre"_s, u"unser"_s, u"im"_s, u"am"_s, u"zum"_s, u"zur"_s, u"vom"_s, u"beim"_s, u"ich"_s, u"er"_s, u"sie"_s, u"es"_s, u"wir"_s, u"dann"_s, u"aber"_s, u"und"_s, u"als"_s, u"wenn"_s,
        // Spanish, French, Italian, Portuguese
        u"el"_s, u"la"_s, u"los"_s, u"las"_s, u"un"_s, u"una"_s, u"mi"_s, u"su"_s, u"en"_s, u"le"_s, u"les"_s, u"une"_s, u"mon"_s, u"ma"_s, u"il"_s, u"lo"_s, u"gli"_s, u"o"_s, u"os"_s, u"um"_s, u"uma"_s,
        // Russian
        u"в"_s, u"на"_s, u"мой"_s, u"моя"_s, u"его"_s, u"её"_s, u"я"_s, u"он"_s, u"она"_s, u"мы"_s, u"они"_s, u"это"_s, u"когда"_s, u"но"_s, u"и"_s,
    };
    // clang-format on
    return words.contains(word.toLower());
}

bool startsSentence(const QList<Token>& tokens, qsizetype i)
{
    return i == 0 || endsSentence(tokens[i - 1].text);
}

bool canBeNamePiece(const Token& token)
{
    const QString trimmed = Punctuation::trimmed(token.text);
    return token.rect && !trimmed.isEmpty() && startsUpperCase(trimmed) && !isStandaloneLabel(trimmed)
        && !token.text.contains(QLatin1Char('(')) && !token.text.contains(QLatin1Char(')'));
}

// Whether tokens[left] and tokens[left + 1] may be read as one name: both capitalised and close
// together, nothing between them that ends a sentence, a clause or opens a quote, and the first
// not a function word that starts its sentence.
bool joinsName(const QList<Token>& tokens, qsizetype left, qreal characterWidth)
{
    const Token& first = tokens[left];
    const Token& second = tokens[left + 1];
    if (!canBeNamePiece(first) || !canBeNamePiece(second))
        return false;
    static const QRegularExpression clauseEnd(QStringLiteral("[,:;]$"));
    if (endsSentence(first.text) || clauseEnd.match(first.text).hasMatch() || opensQuote(second.text))
        return false;
    if (startsSentence(tokens, left) && isFunctionWord(Punctuation::trimmed(first.text)))
        return false;
    return second.rect->left() - first.rect->right() <= kMaxNameGapInCharacters * characterWidth;
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
    if (match > 0 && joinsName(tokens, match - 1, characterWidth))
        pieces.prepend(Punctuation::trimmed(tokens[match - 1].text));
    if (match + 1 < tokens.size() && joinsName(tokens, match, characterWidth))
        pieces.append(Punctuation::trimmed(tokens[match + 1].text));
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
