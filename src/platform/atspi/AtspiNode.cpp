#include "platform/atspi/AtspiNode.h"

#include <atspi/atspi.h>

#include <cmath>

namespace {

// Owns a GError and reports whether a call failed.
struct Error
{
    GError* error = nullptr;
    ~Error()
    {
        if (error)
            g_error_free(error);
    }
    GError** out() { return &error; }
    bool failed() const { return error != nullptr; }
};

QString takeString(gchar* text)
{
    if (!text)
        return QString();
    QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

std::optional<QRectF> takeRect(AtspiRect* rect)
{
    if (!rect)
        return std::nullopt;
    std::optional<QRectF> result;
    if (rect->width > 0 || rect->height > 0)
        result = QRectF(rect->x, rect->y, std::max(rect->width, 0), std::max(rect->height, 0));
    g_free(rect);
    return result;
}

bool stopsTheWalk(AtspiRole role)
{
    // Above a window lies the application and the desktop: no text of the page up there.
    return role == ATSPI_ROLE_APPLICATION || role == ATSPI_ROLE_DESKTOP_FRAME || role == ATSPI_ROLE_INVALID;
}

} // namespace

AtspiNode::AtspiNode(AtspiAccessible* accessible)
    : m_accessible(accessible)
{
}

AtspiNode::~AtspiNode()
{
    if (m_accessible)
        g_object_unref(m_accessible);
}

std::shared_ptr<AtspiNode> AtspiNode::adopt(AtspiAccessible* accessible)
{
    return accessible ? std::make_shared<AtspiNode>(accessible) : nullptr;
}

QString AtspiNode::key() const
{
    const AtspiObject* object = ATSPI_OBJECT(m_accessible);
    const QString bus = object->app && object->app->bus_name ? QString::fromUtf8(object->app->bus_name) : QString();
    return bus + QLatin1Char(':') + QString::fromUtf8(object->path ? object->path : "");
}

bool AtspiNode::isSecret() const
{
    Error error;
    return atspi_accessible_get_role(m_accessible, error.out()) == ATSPI_ROLE_PASSWORD_TEXT;
}

std::optional<AccessibleNode::OwnText> AtspiNode::ownText() const
{
    if (AtspiText* text = atspi_accessible_get_text_iface(m_accessible)) {
        Error error;
        const QString content = takeString(atspi_text_get_text(text, 0, -1, error.out()));
        g_object_unref(text);
        if (!error.failed() && !content.isEmpty())
            return OwnText { content, true };
    }
    // Names and descriptions: text without positions.
    {
        Error error;
        const QString name = takeString(atspi_accessible_get_name(m_accessible, error.out()));
        if (!name.isEmpty())
            return OwnText { name, false };
    }
    {
        Error error;
        GHashTable* attributes = atspi_accessible_get_attributes(m_accessible, error.out());
        if (attributes) {
            const auto* placeholder = static_cast<const gchar*>(g_hash_table_lookup(attributes, "placeholder-text"));
            const QString text = placeholder ? QString::fromUtf8(placeholder) : QString();
            g_hash_table_unref(attributes);
            if (!text.isEmpty())
                return OwnText { text, false };
        }
    }
    Error error;
    const QString description = takeString(atspi_accessible_get_description(m_accessible, error.out()));
    if (!description.isEmpty())
        return OwnText { description, false };
    return std::nullopt;
}

std::vector<std::shared_ptr<AccessibleNode>> AtspiNode::children() const
{
    std::vector<std::shared_ptr<AccessibleNode>> result;
    Error countError;
    const int count = std::min(atspi_accessible_get_child_count(m_accessible, countError.out()), kMaxChildren);
    for (int i = 0; i < count; ++i) {
        Error error;
        if (auto child = adopt(atspi_accessible_get_child_at_index(m_accessible, i, error.out())))
            result.push_back(std::move(child));
    }
    return result;
}

std::shared_ptr<AccessibleNode> AtspiNode::parent() const
{
    Error error;
    std::shared_ptr<AtspiNode> up = adopt(atspi_accessible_get_parent(m_accessible, error.out()));
    if (!up)
        return nullptr;
    Error roleError;
    if (stopsTheWalk(atspi_accessible_get_role(up->m_accessible, roleError.out())))
        return nullptr;
    return up;
}

std::optional<QRectF> AtspiNode::frame() const
{
    AtspiComponent* component = atspi_accessible_get_component_iface(m_accessible);
    if (!component)
        return std::nullopt;
    Error error;
    std::optional<QRectF> rect = takeRect(atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, error.out()));
    g_object_unref(component);
    return rect;
}

std::optional<qsizetype> AtspiNode::offsetAtPoint(QPointF point) const
{
    AtspiText* text = atspi_accessible_get_text_iface(m_accessible);
    if (!text)
        return std::nullopt;
    Error error;
    const gint offset = atspi_text_get_offset_at_point(
        text, gint(std::floor(point.x())), gint(std::floor(point.y())), ATSPI_COORD_TYPE_SCREEN, error.out());
    g_object_unref(text);
    if (error.failed() || offset < 0)
        return std::nullopt;
    return offset;
}

std::optional<QRectF> AtspiNode::boundsForRange(qsizetype start, qsizetype end) const
{
    AtspiText* text = atspi_accessible_get_text_iface(m_accessible);
    if (!text)
        return std::nullopt;
    Error error;
    std::optional<QRectF> rect
        = takeRect(atspi_text_get_range_extents(text, gint(start), gint(end), ATSPI_COORD_TYPE_SCREEN, error.out()));
    g_object_unref(text);
    return error.failed() ? std::nullopt : rect;
}

std::optional<AccessibleNode::Selection> AtspiNode::selection() const
{
    AtspiText* text = atspi_accessible_get_text_iface(m_accessible);
    if (!text)
        return std::nullopt;
    std::optional<Selection> result;
    Error countError;
    if (atspi_text_get_n_selections(text, countError.out()) > 0) {
        Error rangeError;
        if (AtspiRange* range = atspi_text_get_selection(text, 0, rangeError.out())) {
            if (range->end_offset > range->start_offset) {
                Error textError;
                const QString selected
                    = takeString(atspi_text_get_text(text, range->start_offset, range->end_offset, textError.out()));
                if (!textError.failed())
                    result = Selection { selected, range->start_offset, range->end_offset };
            }
            g_free(range);
        }
    }
    g_object_unref(text);
    return result;
}
