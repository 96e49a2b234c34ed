#include "capture/AccessibilityWordCapture.h"

#include "capture/SentenceExtractor.h"
#include "capture/TextOffsets.h"
#include "capture/WordEnumerator.h"
#include "capture/WordSpan.h"
#include "diagnostics/QMLog.h"
#include "platform/AccessibilityDesktop.h"

#include <algorithm>
#include <cmath>

namespace {

QString describe(QPointF point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

QString describe(const QRectF& rect)
{
    return QStringLiteral("(%1, %2, %3 × %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// A rectangle of zero width still holds a point on its edge (some toolkits report caret-wide
// boxes).
bool holds(const QRectF& rect, QPointF point)
{
    return point.x() >= rect.left() && point.x() <= rect.right() && point.y() >= rect.top()
        && point.y() <= rect.bottom();
}

qsizetype codePointsBefore(const QString& text, qsizetype utf16)
{
    return TextOffsets::codePointFromUtf16(text, utf16);
}

} // namespace

AccessibilityWordCapture::AccessibilityWordCapture(AccessibilityDesktop& desktop)
    : m_desktop(desktop)
{
}

std::optional<WordCaptureService::CaptureResult> AccessibilityWordCapture::captureWordAtMouseLocation()
{
    return captureWordAt(m_desktop.pointer());
}

std::optional<WordCaptureService::CaptureResult> AccessibilityWordCapture::captureWordAt(QPointF point)
{
    Walk walk;
    walk.clock.start();
    walk.timeBudgetMs = m_timeBudgetMs;
    QElapsedTimer stage;
    qCDebug(lcCapture).noquote() << "Mouse at (X11):" << describe(point);

    stage.start();
    const std::shared_ptr<AccessibleNode> hit = m_desktop.elementAt(point);
    qCDebug(lcCapture).noquote() << QStringLiteral("Hit test: %1ms").arg(stage.elapsed());
    if (!hit) {
        qCDebug(lcCapture) << "No element at cursor";
        return std::nullopt;
    }

    stage.restart();
    int budget = kDescendantNodeBudget;
    QSet<QString> visited;
    std::optional<Found> found = findInDescendants(hit, 0, budget, visited, walk);
    if (!found && !walk.sawSecret)
        found = findInAncestors(hit, walk);
    if (walk.sawSecret)
        return std::nullopt; // a password field: nothing is read, nothing is logged
    if (!found) {
        qCDebug(lcCapture) << (walk.expired() ? "No text found (time budget spent)" : "No text found");
        return std::nullopt;
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("Find text element: %1ms").arg(stage.elapsed());

    const std::optional<QRectF> frame = found->node->frame();
    stage.restart();
    const WordResult word = extractWord(*found, point, frame, walk);
    qCDebug(lcCapture).noquote() << QStringLiteral("Extract word: %1ms").arg(stage.elapsed());

    // A frame this large usually means bogus geometry, and then only a word whose own rectangle
    // holds the pointer can be trusted. Whole documents (text views, editors, terminals) are one
    // element this large, and there the reported rectangle is exact.
    const double ratio = std::max(1.0, m_desktop.pixelRatioAt(point));
    if (frame && (frame->height() / ratio > 300 || frame->width() / ratio > 2000) && !word.boundsConfirmed) {
        qCInfo(lcCapture).noquote() << QStringLiteral("Text element bounds %1 look off-screen/oversized — discarding, "
                                                      "skipping straight to OCR")
                                           .arg(describe(*frame));
        return std::nullopt;
    }

    stage.restart();
    const SentenceResult sentence = extractSentence(*found, word, walk);
    if (walk.sawSecret)
        return std::nullopt;
    qCDebug(lcCapture).noquote() << QStringLiteral("Extract sentence: %1ms").arg(stage.elapsed());
    qCDebug(lcCapture).noquote() << QStringLiteral("Full text: %1...").arg(found->text.text.left(100));
    qCDebug(lcCapture).noquote() << QStringLiteral("captureWordAtMouseLocation total: %1ms").arg(walk.clock.elapsed());

    CaptureResult result;
    result.word = word.word;
    result.sentence = sentence.sentence;
    result.bounds = frame;
    result.isLowConfidence = word.isLowConfidence;
    result.sentenceSpansMultipleElements = sentence.fromAncestor;
    return result;
}

std::optional<AccessibilityWordCapture::Found> AccessibilityWordCapture::findInDescendants(
    const std::shared_ptr<AccessibleNode>& node, int depth, int& budget, QSet<QString>& visited, Walk& walk) const
{
    if (!node || budget < 1 || depth > kMaxDepth || walk.expired() || walk.sawSecret)
        return std::nullopt;
    const QString key = node->key();
    if (visited.contains(key))
        return std::nullopt;
    visited.insert(key);
    --budget;
    if (node->isSecret()) {
        walk.sawSecret = true;
        return std::nullopt;
    }
    if (std::optional<AccessibleNode::OwnText> own = node->ownText()) {
        qCDebug(lcCapture).noquote()
            << QStringLiteral("Text found (depth %1): %2...").arg(depth).arg(own->text.left(80));
        return Found { node, *own };
    }
    for (const std::shared_ptr<AccessibleNode>& child : node->children()) {
        if (std::optional<Found> found = findInDescendants(child, depth + 1, budget, visited, walk))
            return found;
        if (walk.sawSecret || budget < 1)
            break;
    }
    return std::nullopt;
}

std::optional<AccessibilityWordCapture::Found> AccessibilityWordCapture::findInAncestors(
    const std::shared_ptr<AccessibleNode>& node, Walk& walk) const
{
    std::shared_ptr<AccessibleNode> current = node;
    for (int level = 0; level < kAncestorLevels && !walk.expired(); ++level) {
        current = current->parent();
        if (!current)
            return std::nullopt;
        if (current->isSecret()) {
            walk.sawSecret = true;
            return std::nullopt;
        }
        if (std::optional<AccessibleNode::OwnText> own = current->ownText()) {
            qCDebug(lcCapture).noquote()
                << QStringLiteral("Text found on ancestor (depth %1): %2...").arg(level).arg(own->text.left(80));
            return Found { current, *own };
        }
    }
    return std::nullopt;
}

AccessibilityWordCapture::WordResult AccessibilityWordCapture::extractWord(
    const Found& found, QPointF point, const std::optional<QRectF>& frame, Walk& walk) const
{
    const QString& text = found.text.text;
    const qsizetype count = TextOffsets::graphemeCount(text);
    if (count == 0)
        return { QString(), true, -1 };
    const auto spanResult = [&text](const WordSpan& span, bool lowConfidence) {
        return WordResult { span.word, lowConfidence, TextOffsets::utf16FromGrapheme(text, span.start) };
    };

    if (found.text.isPositionable) {
        std::optional<qsizetype> nearUtf16;
        if (const std::optional<qsizetype> codePoint = found.node->offsetAtPoint(point); codePoint && *codePoint >= 0) {
            const qsizetype utf16 = TextOffsets::utf16FromCodePoint(text, *codePoint);
            const qsizetype index = TextOffsets::graphemeFromUtf16(text, utf16);
            if (*codePoint < TextOffsets::codePointCount(text) && index < count) {
                nearUtf16 = utf16;
                const WordSpan span = WordSpan::expand(text, index);
                const qsizetype start = TextOffsets::utf16FromGrapheme(text, span.start);
                const qsizetype end = TextOffsets::utf16FromGrapheme(text, span.start + span.length);
                const std::optional<QRectF> rect
                    = found.node->boundsForRange(codePointsBefore(text, start), codePointsBefore(text, end));
                if (!rect || holds(*rect, point)) {
                    qCDebug(lcCapture).noquote() << QStringLiteral("Precise AX index: %1").arg(index);
                    WordResult result = spanResult(span, false);
                    result.boundsConfirmed = rect.has_value();
                    return result;
                }
                qCDebug(lcCapture).noquote()
                    << QStringLiteral("Precise AX index %1 → \"%2\" bounds %3 don't contain cursor %4 — falling back")
                           .arg(index)
                           .arg(span.word, describe(*rect), describe(point));
            }
        }
        if (std::optional<WordResult> hit = rangeBoundsSearch(found, point, nearUtf16, walk))
            return *hit;
    }

    if (frame && holds(*frame, point)) {
        const double width = std::max(frame->width() / double(count), 0.01);
        const qsizetype index
            = std::clamp<qsizetype>(qsizetype(std::trunc((point.x() - frame->left()) / width)), 0, count - 1);
        qCDebug(lcCapture).noquote() << QStringLiteral("Falling back to estimated index: %1").arg(index);
        return spanResult(WordSpan::expand(text, index), true);
    }

    const QStringList pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!pieces.isEmpty())
        return { pieces.first(), true, text.indexOf(pieces.first()) };
    return { text.trimmed(), true, -1 };
}

std::optional<AccessibilityWordCapture::WordResult> AccessibilityWordCapture::rangeBoundsSearch(
    const Found& found, QPointF point, std::optional<qsizetype> nearUtf16, Walk& walk) const
{
    const QString& text = found.text.text;
    QList<TextWord> words = WordEnumerator::words(text);
    // Nearest the reported offset first: a long text would otherwise cost one round trip per
    // word from its start.
    if (nearUtf16) {
        std::stable_sort(words.begin(), words.end(), [near = *nearUtf16](const TextWord& a, const TextWord& b) {
            return std::abs(a.start - near) < std::abs(b.start - near);
        });
    }
    int queries = 0;
    for (const TextWord& word : words) {
        if (word.text.isEmpty())
            continue;
        if (++queries > kRangeQueryLimit || walk.expired())
            break;
        const std::optional<QRectF> rect = found.node->boundsForRange(
            codePointsBefore(text, word.start), codePointsBefore(text, word.start + word.length));
        if (rect && holds(*rect, point)) {
            qCDebug(lcCapture).noquote() << QStringLiteral("Bounds-for-range hit: %1").arg(word.text);
            return WordResult { word.text, false, word.start, true };
        }
    }
    return std::nullopt;
}

QString AccessibilityWordCapture::aggregate(
    const std::shared_ptr<AccessibleNode>& node, int depth, int& budget, Walk& walk) const
{
    if (budget < 1 || walk.expired())
        return QString();
    --budget;
    if (node->isSecret()) {
        walk.sawSecret = true;
        return QString();
    }
    if (depth < kAggregateDepth) {
        QStringList parts;
        for (const std::shared_ptr<AccessibleNode>& child : node->children()) {
            if (budget < 1)
                break;
            const QString part = aggregate(child, depth + 1, budget, walk);
            if (!part.isEmpty())
                parts << part;
        }
        if (!parts.isEmpty())
            return parts.join(QLatin1Char(' '));
    }
    const std::optional<AccessibleNode::OwnText> own = node->ownText();
    return own ? own->text : QString();
}

AccessibilityWordCapture::SentenceResult AccessibilityWordCapture::extractSentence(
    const Found& found, const WordResult& word, Walk& walk) const
{
    const QString& narrow = found.text.text;
    const qsizetype narrowCount = TextOffsets::graphemeCount(narrow);
    int budget = kClimbNodeBudget;
    qCDebug(lcCapture).noquote()
        << QStringLiteral("extractSentence: narrowText (%1 chars): %2").arg(narrowCount).arg(narrow.left(120));
    std::shared_ptr<AccessibleNode> current = found.node;
    for (int depth = 1; depth <= kClimbLevels; ++depth) {
        if (budget < 1) {
            qCDebug(lcCapture) << "extractSentence: node budget exhausted, stopping climb early";
            break;
        }
        std::shared_ptr<AccessibleNode> parent = walk.expired() ? nullptr : current->parent();
        if (!parent) {
            qCDebug(lcCapture).noquote()
                << QStringLiteral("extractSentence: no more ancestors at depth %1, stopping climb").arg(depth);
            break;
        }
        current = parent;
        const QString aggregated = aggregate(current, 0, budget, walk);
        if (walk.sawSecret)
            return {};
        const qsizetype aggregatedCount = TextOffsets::graphemeCount(aggregated);
        qCDebug(lcCapture).noquote()
            << QStringLiteral("extractSentence: depth %1, aggregated (%2 chars, budget left %3): %4")
                   .arg(depth)
                   .arg(aggregatedCount)
                   .arg(budget)
                   .arg(aggregated.left(150));
        if (aggregatedCount <= narrowCount) {
            qCDebug(lcCapture).noquote()
                << QStringLiteral("extractSentence: depth %1 — same size or smaller than narrowText, skipping")
                       .arg(depth);
            continue;
        }
        if (aggregatedCount > kMaxSentenceChars) {
            qCDebug(lcCapture).noquote() << QStringLiteral(
                "extractSentence: depth %1 — exceeds %2 chars, skipping (likely grabbed unrelated content)")
                                                .arg(depth)
                                                .arg(kMaxSentenceChars + 1);
            continue;
        }
        // Where the element's own text sits in the aggregate tells where the word is.
        const qsizetype narrowAt = aggregated.indexOf(narrow);
        const QString sentence = narrowAt >= 0 && word.utf16Offset >= 0
            ? SentenceExtractor::sentence(aggregated, word.word, narrowAt + word.utf16Offset)
            : SentenceExtractor::sentence(aggregated, word.word);
        if (sentence.size() < aggregated.trimmed().size()) {
            qCDebug(lcCapture).noquote()
                << QStringLiteral("extractSentence: sentence completed by climbing to depth %1: %2")
                       .arg(depth)
                       .arg(sentence);
            return { sentence, true };
        }
        qCDebug(lcCapture).noquote() << QStringLiteral(
            "extractSentence: depth %1 — no sentence boundary found in aggregated text, continuing to climb")
                                            .arg(depth);
    }
    qCDebug(lcCapture) << "extractSentence: gave up climbing, falling back to narrowText";
    const QString sentence = word.utf16Offset >= 0 ? SentenceExtractor::sentence(narrow, word.word, word.utf16Offset)
                                                   : SentenceExtractor::sentence(narrow, word.word);
    return { sentence, false };
}
