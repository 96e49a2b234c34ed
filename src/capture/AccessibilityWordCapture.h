#pragma once

#include "capture/WordCaptureService.h"
#include "platform/AccessibleNode.h"

#include <QElapsedTimer>
#include <QSet>

class AccessibilityDesktop;

// The word under the pointer and its sentence from the accessibility tree. Every walk is bounded
// (nodes, depth, range queries and a wall-clock budget), because each step waits on another
// application: a slow or huge tree yields no result, and the screenshot path takes over.
class AccessibilityWordCapture : public WordCaptureService
{
public:
    static constexpr int kDescendantNodeBudget = 400;
    static constexpr int kMaxDepth = 32;
    static constexpr int kAncestorLevels = 6;
    static constexpr int kClimbLevels = 5;
    static constexpr int kClimbNodeBudget = 400;
    static constexpr int kAggregateDepth = 4;
    static constexpr int kMaxSentenceChars = 499;
    static constexpr int kRangeQueryLimit = 300;
    static constexpr int kDefaultTimeBudgetMs = 250;

    explicit AccessibilityWordCapture(AccessibilityDesktop& desktop);

    std::optional<CaptureResult> captureWordAtMouseLocation() override;
    // The same at a given point (tests and benchmarks).
    std::optional<CaptureResult> captureWordAt(QPointF point);

    void setTimeBudgetMs(int ms) { m_timeBudgetMs = ms; }

    struct WordResult
    {
        QString word;
        bool isLowConfidence = true;
        qsizetype utf16Offset = -1; // where the word starts in the text, when known
        // The element reported the word's rectangle and the pointer is inside it.
        bool boundsConfirmed = false;
    };
    struct SentenceResult
    {
        QString sentence;
        bool fromAncestor = false;
    };

private:
    struct Found
    {
        std::shared_ptr<AccessibleNode> node;
        AccessibleNode::OwnText text;
    };
    struct Walk
    {
        QElapsedTimer clock;
        int timeBudgetMs = 0;
        bool sawSecret = false;
        bool expired() const { return clock.elapsed() > timeBudgetMs; }
    };

    std::optional<Found> findInDescendants(
        const std::shared_ptr<AccessibleNode>& node, int depth, int& budget, QSet<QString>& visited, Walk& walk) const;
    std::optional<Found> findInAncestors(const std::shared_ptr<AccessibleNode>& node, Walk& walk) const;
    WordResult extractWord(const Found& found, QPointF point, const std::optional<QRectF>& frame, Walk& walk) const;
    std::optional<WordResult> rangeBoundsSearch(
        const Found& found, QPointF point, std::optional<qsizetype> nearUtf16, Walk& walk) const;
    SentenceResult extractSentence(const Found& found, const WordResult& word, Walk& walk) const;
    QString aggregate(const std::shared_ptr<AccessibleNode>& node, int depth, int& budget, Walk& walk) const;

    AccessibilityDesktop& m_desktop;
    int m_timeBudgetMs = kDefaultTimeBudgetMs;
};
