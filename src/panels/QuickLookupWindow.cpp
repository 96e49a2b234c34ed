#include "panels/QuickLookupWindow.h"

#include "diagnostics/QMLog.h"
#include "panels/PanelActivation.h"
#include "panels/PanelPlacement.h"
#include "panels/QuickLookupView.h"
#include "panels/WindowDragger.h"
#include "platform/DesktopWindowManager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

QuickLookupWindow::QuickLookupWindow(
    LookupServices& services, DesktopWindowManager& windows, std::function<quint64()> userTime, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_windows(windows)
    , m_userTime(std::move(userTime))
    , m_window(std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint))
{
    m_window->setObjectName(QStringLiteral("quickLookupPanel"));
    m_window->resize(320, 80);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_window->installEventFilter(this);
    new WindowDragger(*m_window);
    m_windows.keepOutOfTaskbar(*m_window);
}

QuickLookupWindow::~QuickLookupWindow() = default;

void QuickLookupWindow::show()
{
    // Every opening starts empty: the previous text and card are gone.
    delete m_view.data();
    auto* view = new QuickLookupView(m_services, m_window.get());
    m_view = view;
    m_window->layout()->addWidget(view);
    connect(view, &QuickLookupView::contentChanged, this, &QuickLookupWindow::refit);
    connect(view, &QuickLookupView::closeRequested, this, &QuickLookupWindow::close);
    const QSize size = view->fittingSize();
    m_window->resize(size);
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto origin
        = PanelPlacement::quickLookupOrigin(size, screen ? std::optional(screen->availableGeometry()) : std::nullopt);
    if (origin)
        m_window->move(*origin);
    m_window->show();
    m_window->raise();
    view->field().setFocus(Qt::ActiveWindowFocusReason);
    PanelActivation::activateWhenMapped(*m_window, m_windows, m_userTime ? m_userTime() : 0, [this] {
        if (m_view)
            m_view->field().setFocus(Qt::ActiveWindowFocusReason);
    });
}

void QuickLookupWindow::close()
{
    m_window->hide();
}

void QuickLookupWindow::refit()
{
    if (!m_view)
        return;
    const QSize size = m_view->fittingSize();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    m_window->setGeometry(QRect(PanelPlacement::refittedOrigin(m_window->geometry(), size), size));
}

bool QuickLookupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window.get())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        // The user clicked elsewhere.
        if (m_window->isVisible())
            QTimer::singleShot(0, this, [this] {
                if (!m_window->isActiveWindow())
                    close();
            });
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
