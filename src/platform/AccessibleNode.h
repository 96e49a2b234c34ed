#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One element of another application's accessibility tree, as the word capture asks it. Every
// call may be a round trip to that application; a failed call is an absent value. Text offsets
// are code points, the unit of the accessibility bus; points and rectangles are global screen
// pixels with a top-left origin.
class AccessibleNode
{
public:
    struct OwnText
    {
        QString text;
        // Character positions can be asked for this text (it is the element's text content, not
        // a name or description).
        bool isPositionable = false;
    };

    virtual ~AccessibleNode() = default;

    // Identity for loop detection during walks.
    virtual QString key() const = 0;
    // Password fields: nothing may be read or logged from them.
    virtual bool isSecret() const = 0;
    virtual std::optional<OwnText> ownText() const = 0;
    virtual std::vector<std::shared_ptr<AccessibleNode>> children() const = 0;
    virtual std::shared_ptr<AccessibleNode> parent() const = 0;
    virtual std::optional<QRectF> frame() const = 0;
    // Code-point offset of the character at the point, when the element knows it.
    virtual std::optional<qsizetype> offsetAtPoint(QPointF point) const = 0;
    // Rectangle of the code points [start, end).
    virtual std::optional<QRectF> boundsForRange(qsizetype start, qsizetype end) const = 0;

    struct Selection
    {
        QString text;
        qsizetype start = 0; // code points
        qsizetype end = 0;
    };
    // The first selected range of the element's text, if any.
    virtual std::optional<Selection> selection() const = 0;
};
