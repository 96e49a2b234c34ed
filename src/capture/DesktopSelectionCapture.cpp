#include "capture/DesktopSelectionCapture.h"

#include "diagnostics/QMLog.h"
#include "platform/AccessibilityDesktop.h"
#include "platform/AccessibleNode.h"
#include "platform/PrimarySelection.h"

#include <QElapsedTimer>

namespace {

QString describe(const QRectF& rect)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

DesktopSelectionCapture::DesktopSelectionCapture(AccessibilityDesktop& desktop, PrimarySelection& primary)
    : m_desktop(desktop)
    , m_primary(primary)
{
}

std::optional<QString> DesktopSelectionCapture::selectionViaAccessibility(QPointF point)
{
    std::shared_ptr<AccessibleNode> node = m_desktop.elementAt(point);
    for (int depth = 0; node && depth < kAncestorLevels; ++depth) {
        if (node->isSecret())
            return std::nullopt; // never read from a password field
        if (const std::optional<AccessibleNode::Selection> selection = node->selection()) {
            const QString text = selection->text.trimmed();
            if (!text.isEmpty()) {
                const std::optional<QRectF> bounds = node->boundsForRange(selection->start, selection->end);
                const std::optional<QRectF> screen = m_desktop.screenAt(point);
                if (bounds && screen
                    && (bounds->width() > kPlausibleScreens * screen->width()
                        || bounds->height() > kPlausibleScreens * screen->height())) {
                    qCInfo(lcCapture).noquote() << QStringLiteral(
                        "Selection bounds %1 look off-screen/oversized — discarding, falling back to OCR")
                                                       .arg(describe(*bounds));
                    return std::nullopt;
                }
                return text;
            }
        }
        node = node->parent();
    }
    return std::nullopt;
}

QCoro::Task<std::optional<QString>> DesktopSelectionCapture::captureSelectedText()
{
    QElapsedTimer timer;
    timer.start();
    const QPointF pointer = m_desktop.pointer();
    const std::optional<QString> viaAccessibility = selectionViaAccessibility(pointer);
    qCDebug(lcCapture).noquote() << QStringLiteral("captureViaAccessibility: %1ms (%2)")
                                        .arg(timer.elapsed())
                                        .arg(viaAccessibility ? QStringLiteral("hit") : QStringLiteral("miss"));
    if (viaAccessibility)
        co_return viaAccessibility;
    timer.restart();
    // PRIMARY is whatever was selected last anywhere: only the application under the pointer's
    // own selection is what the learner means.
    std::optional<QString> result;
    if (const std::optional<TopLevelWindow> under = m_desktop.windowAt(pointer)) {
        const std::optional<QString> primary = co_await m_primary.read(*under);
        if (primary && !primary->trimmed().isEmpty()) {
            result = primary->trimmed();
            // A terminal keeps PRIMARY after its selection is cleared; X11 gives no way to tell.
            qCDebug(lcCapture) << "Selection taken from PRIMARY of the application under the pointer";
        }
    }
    qCDebug(lcCapture).noquote() << QStringLiteral("captureViaClipboard: %1ms (%2)")
                                        .arg(timer.elapsed())
                                        .arg(result ? QStringLiteral("hit") : QStringLiteral("miss"));
    co_return result;
}
