#pragma once

#include "platform/AccessibleNode.h"

typedef struct _AtspiAccessible AtspiAccessible;

// An element of another application's tree on the AT-SPI bus. Each call is a synchronous D-Bus
// round trip bounded by the library's time-out; failures are absent values.
class AtspiNode : public AccessibleNode
{
public:
    // Takes over one reference to the object.
    explicit AtspiNode(AtspiAccessible* accessible);
    ~AtspiNode() override;
    AtspiNode(const AtspiNode&) = delete;
    AtspiNode& operator=(const AtspiNode&) = delete;

    static std::shared_ptr<AtspiNode> adopt(AtspiAccessible* accessible);
    AtspiAccessible* handle() const { return m_accessible; }

    QString key() const override;
    bool isSecret() const override;
    std::optional<OwnText> ownText() const override;
    std::vector<std::shared_ptr<AccessibleNode>> children() const override;
    std::shared_ptr<AccessibleNode> parent() const override;
    std::optional<QRectF> frame() const override;
    std::optional<qsizetype> offsetAtPoint(QPointF point) const override;
    std::optional<QRectF> boundsForRange(qsizetype start, qsizetype end) const override;
    std::optional<Selection> selection() const override;

    static constexpr int kMaxChildren = 500;

private:
    AtspiAccessible* m_accessible;
};
