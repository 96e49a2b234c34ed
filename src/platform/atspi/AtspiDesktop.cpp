#include "platform/atspi/AtspiDesktop.h"

#include "diagnostics/QMLog.h"
#include "platform/atspi/AtspiNode.h"
#include "platform/x11/X11WindowPid.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <atspi/atspi.h>

#include <climits>
#include <cmath>

namespace {

constexpr int kMaxDescent = 64;

struct Client
{
    Window window = 0;
    qint64 pid = 0;
};

// A window manager reparents clients into frames: the process is on the client, a few levels down.
std::optional<Client> clientOf(Display* display, Window window, int depth)
{
    if (std::optional<qint64> pid = X11WindowPid::of(display, window))
        return Client { window, *pid };
    if (depth == 0)
        return std::nullopt;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Client> client;
    for (unsigned int i = count; i-- > 0 && !client;)
        client = clientOf(display, children[i], depth - 1);
    if (children)
        XFree(children);
    return client;
}

std::optional<QRect> extentsOf(AtspiAccessible* accessible)
{
    AtspiComponent* component = atspi_accessible_get_component_iface(accessible);
    if (!component)
        return std::nullopt;
    GError* error = nullptr;
    AtspiRect* rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, &error);
    g_object_unref(component);
    if (error)
        g_error_free(error);
    if (!rect)
        return std::nullopt;
    const QRect result(rect->x, rect->y, rect->width, rect->height);
    g_free(rect);
    return result;
}

} // namespace

AtspiDesktop::AtspiDesktop()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        qCWarning(lcCapture) << "Accessibility capture: no X display";
        return;
    }
    atspi_init();
    // A hung application costs at most this per call, never a frozen Quillmoor.
    atspi_set_timeout(kCallTimeoutMs, 2 * kCallTimeoutMs);
}

AtspiDesktop::~AtspiDesktop()
{
    if (m_display)
        XCloseDisplay(m_display);
}

QPointF AtspiDesktop::pointer() const
{
    if (!m_display)
        return {};
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return QPointF(rootX, rootY);
}

double AtspiDesktop::pixelRatioAt(QPointF point) const
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const double ratio = screen->devicePixelRatio();
        const QRect geometry = screen->geometry();
        // Physical geometry of the screen: its origin is native, its size scaled.
        const QRectF physical(geometry.topLeft(), QSizeF(geometry.size()) * ratio);
        if (physical.contains(point))
            return ratio;
    }
    return QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
}

std::optional<QRectF> AtspiDesktop::screenAt(QPointF point) const
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || QGuiApplication::screens().isEmpty())
        return std::nullopt;
    QScreen* fallback = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const QRectF physical(geometry.topLeft(), QSizeF(geometry.size()) * screen->devicePixelRatio());
        if (physical.contains(point))
            return physical;
    }
    const QRect geometry = fallback->geometry();
    return QRectF(geometry.topLeft(), QSizeF(geometry.size()) * fallback->devicePixelRatio());
}

std::optional<TopLevelWindow> AtspiDesktop::windowAt(QPointF point) const
{
    const std::optional<TopWindow> top = topWindowAt(QPoint(int(std::floor(point.x())), int(std::floor(point.y()))));
    if (!top)
        return std::nullopt;
    return TopLevelWindow { top->client, top->pid };
}

std::optional<AtspiDesktop::TopWindow> AtspiDesktop::topWindowAt(QPoint point) const
{
    if (!m_display)
        return std::nullopt;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<TopWindow> found;
    // Children come bottom to top: the first hit from the end is the window on top.
    for (unsigned int i = count; i-- > 0 && !found;) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, children[i], &attributes) || attributes.map_state != IsViewable
            || attributes.c_class == InputOnly)
            continue;
        const QRect geometry(attributes.x, attributes.y, attributes.width, attributes.height);
        if (!geometry.contains(point))
            continue;
        const Client client = clientOf(m_display, children[i], 3).value_or(Client { children[i], 0 });
        found = TopWindow { children[i], geometry, client.pid, client.window };
    }
    if (children)
        XFree(children);
    return found;
}

AtspiAccessible* AtspiDesktop::applicationOf(qint64 pid) const
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    if (!desktop)
        return nullptr;
    AtspiAccessible* match = nullptr;
    GError* error = nullptr;
    const int count = atspi_accessible_get_child_count(desktop, &error);
    g_clear_error(&error);
    for (int i = 0; i < count && !match; ++i) {
        AtspiAccessible* application = atspi_accessible_get_child_at_index(desktop, i, &error);
        g_clear_error(&error);
        if (!application)
            continue;
        const guint appPid = atspi_accessible_get_process_id(application, &error);
        g_clear_error(&error);
        if (qint64(appPid) == pid)
            match = application;
        else
            g_object_unref(application);
    }
    g_object_unref(desktop);
    return match;
}

AtspiAccessible* AtspiDesktop::windowOf(AtspiAccessible* application, const TopWindow& top, QPoint point) const
{
    // Among the application's windows that hold the point, the one shaped most like the X window.
    AtspiAccessible* best = nullptr;
    long bestScore = LONG_MAX;
    GError* error = nullptr;
    const int count = std::min(atspi_accessible_get_child_count(application, &error), AtspiNode::kMaxChildren);
    g_clear_error(&error);
    for (int i = 0; i < count; ++i) {
        AtspiAccessible* window = atspi_accessible_get_child_at_index(application, i, &error);
        g_clear_error(&error);
        if (!window)
            continue;
        const std::optional<QRect> extents = extentsOf(window);
        long score = LONG_MAX;
        if (extents && extents->contains(point)) {
            score = std::abs(extents->x() - top.geometry.x()) + std::abs(extents->y() - top.geometry.y())
                + std::abs(extents->width() - top.geometry.width())
                + std::abs(extents->height() - top.geometry.height());
        }
        if (score < bestScore) {
            if (best)
                g_object_unref(best);
            best = window;
            bestScore = score;
        } else {
            g_object_unref(window);
        }
    }
    return best;
}

std::shared_ptr<AccessibleNode> AtspiDesktop::elementAt(QPointF point)
{
    const QPoint at(int(std::floor(point.x())), int(std::floor(point.y())));
    const std::optional<TopWindow> top = topWindowAt(at);
    if (!top || top->pid <= 0)
        return nullptr;
    if (top->pid == QCoreApplication::applicationPid())
        return nullptr; // Quillmoor's own windows are never read
    AtspiAccessible* application = applicationOf(top->pid);
    if (!application)
        return nullptr;
    AtspiAccessible* node = windowOf(application, *top, at);
    g_object_unref(application);
    if (!node)
        return nullptr;
    for (int depth = 0; depth < kMaxDescent; ++depth) {
        AtspiComponent* component = atspi_accessible_get_component_iface(node);
        if (!component)
            break;
        GError* error = nullptr;
        AtspiAccessible* child
            = atspi_component_get_accessible_at_point(component, at.x(), at.y(), ATSPI_COORD_TYPE_SCREEN, &error);
        g_object_unref(component);
        g_clear_error(&error);
        if (!child)
            break;
        if (child == node) {
            g_object_unref(child);
            break;
        }
        g_object_unref(node);
        node = child;
    }
    return AtspiNode::adopt(node);
}
