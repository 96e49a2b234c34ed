#include "panels/CaptureOverlayWindow.h"

#include "diagnostics/QMLog.h"
#include "panels/CaptureOverlayView.h"
#include "panels/PanelPlacement.h"
#include "platform/DesktopWindowManager.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

CaptureOverlayWindow::CaptureOverlayWindow(
    LookupServices& services, DesktopWindowManager& windows, std::function<bool()> triggerHeld, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_windows(windows)
    , m_triggerHeld(std::move(triggerHeld))
    , m_window(std::make_unique<QWidget>(nullptr,
          Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
              | Qt::NoDropShadowWindowHint))
{
    m_window->setObjectName(QStringLiteral("captureOverlayPanel"));
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->setAttribute(Qt::WA_X11NetWmWindowTypeUtility);
    m_window->setFocusPolicy(Qt::NoFocus);
    if (m_windows.isCompositing())
        m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->resize(280, 150);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_windows.keepOutOfTaskbar(*m_window);
}

CaptureOverlayWindow::~CaptureOverlayWindow() = default;

void CaptureOverlayWindow::show(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection)
{
    m_anchor = near;
    m_shown = true;
    const bool same
        = m_view && m_lastShownWord == word && m_lastShownSentence == sentence && m_lastShownIsSelection == isSelection;
    if (!same) {
        m_lastShownWord = word;
        m_lastShownSentence = sentence;
        m_lastShownIsSelection = isSelection;
        m_isHovering = false;
        // The old card goes with its running steps; their late results find nothing to change.
        delete m_view.data();
        auto* view = new CaptureOverlayView(m_services, word, sentence, isSelection, true, m_window.get());
        m_view = view;
        // A late result re-fits (and may first show) the card; it never brings back one that was hidden.
        connect(view, &CaptureOverlayView::contentChanged, this, [this] {
            if (m_shown)
                refitAndPlace();
        });
        connect(view, &CaptureOverlayView::hoverChanged, this, &CaptureOverlayWindow::hoverChanged);
        m_window->layout()->addWidget(view);
        view->start();
    }
    refitAndPlace();
}

void CaptureOverlayWindow::hide()
{
    m_shown = false;
    m_window->hide();
}

void CaptureOverlayWindow::refitAndPlace()
{
    if (!m_view)
        return;
    const QSize size = m_view->fittingSize();
    if (size.width() <= 0 || size.height() <= 0) {
        m_window->raise();
        return;
    }
    const QPoint anchor = m_anchor.toQPointF().toPoint();
    const QPoint origin = PanelPlacement::overlayOrigin(anchor, size, PanelPlacement::desktopScreens());
    m_window->setGeometry(QRect(origin, size));
    if (!m_window->isVisible())
        m_window->show();
    m_window->raise();
    Q_EMIT placed();
}

void CaptureOverlayWindow::hoverChanged(bool hovering)
{
    m_isHovering = hovering;
    if (hovering || (m_triggerHeld && m_triggerHeld()))
        return;
    if (m_window->frameGeometry().contains(QCursor::pos()))
        return;
    hide();
}
