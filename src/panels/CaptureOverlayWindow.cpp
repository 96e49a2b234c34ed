#include "panels/CaptureOverlayWindow.h"

#include "diagnostics/QMLog.h"
#include "panels/CaptureOverlayView.h"
#include "panels/PanelPlacement.h"
#include "platform/DesktopWindowManager.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kLooseWatchIntervalMs = 40;
// Around the pointer's first position and the card, in logical pixels.
constexpr int kLooseMargin = 24;

} // namespace

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
    m_looseWatch.setInterval(kLooseWatchIntervalMs);
    connect(&m_looseWatch, &QTimer::timeout, this, &CaptureOverlayWindow::checkLoosePointer);
}

CaptureOverlayWindow::~CaptureOverlayWindow() = default;

void CaptureOverlayWindow::show(const QString& word, const QString& sentence, LogicalPoint near, bool isSelection)
{
    m_anchor = near;
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
        connect(view, &CaptureOverlayView::contentChanged, this, &CaptureOverlayWindow::refitAndPlace);
        connect(view, &CaptureOverlayView::hoverChanged, this, &CaptureOverlayWindow::hoverChanged);
        m_window->layout()->addWidget(view);
        view->start();
    }
    m_wanted = true;
    refitAndPlace();
    if (!m_triggerHeld || !m_triggerHeld())
        watchLoosePointer();
}

void CaptureOverlayWindow::hide()
{
    m_wanted = false;
    m_looseWatch.stop();
    m_window->hide();
}

void CaptureOverlayWindow::prepare()
{
    m_window->winId();
    CaptureOverlayView card(m_services, QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor reads."), false, true);
    const QSize size = card.fittingSize();
    if (size.isEmpty())
        return;
    card.resize(size);
    QPixmap canvas(size);
    card.render(&canvas);
}

void CaptureOverlayWindow::dismiss()
{
    if (m_wanted)
        hide();
}

void CaptureOverlayWindow::pointerPressed()
{
    if (!m_looseWatch.isActive() || (m_window->isVisible() && m_window->frameGeometry().contains(QCursor::pos())))
        return;
    hide();
}

void CaptureOverlayWindow::watchLoosePointer()
{
    m_loosePointer = QCursor::pos();
    m_looseWatch.start();
}

void CaptureOverlayWindow::checkLoosePointer()
{
    if (!m_wanted || m_isHovering || (m_triggerHeld && m_triggerHeld()))
        return;
    const QPoint pointer = QCursor::pos();
    const QRect card = m_window->isVisible() ? m_window->frameGeometry() : QRect();
    if (card.contains(pointer))
        return;
    // Moving from where the word was towards the card keeps it; anything else is moving away.
    const int margin = kLooseMargin;
    const QRect start(m_loosePointer - QPoint(margin, margin), QSize(2 * margin, 2 * margin));
    const QRect corridor = card.isValid() ? start.united(card.adjusted(-margin, -margin, margin, margin)) : start;
    // A press missed by the key monitor (none runs) is still seen while the button is down.
    if (!corridor.contains(pointer) || m_windows.isPointerButtonDown())
        hide();
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
    if (!m_wanted)
        return;
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
