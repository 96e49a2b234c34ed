#include "panels/GrammarAnalysisWindow.h"

#include "panels/GrammarAnalysisModel.h"
#include "panels/GrammarAnalysisServices.h"
#include "panels/GrammarAnalysisView.h"
#include "panels/PanelActivation.h"
#include "panels/PanelPlacement.h"
#include "panels/WindowDragger.h"
#include "platform/DesktopWindowManager.h"
#include "preferences/Preferences.h"

#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The content's language when the learner has not chosen a translation language.
const QString kDefaultLanguageCode = QStringLiteral("ru");

} // namespace

GrammarAnalysisWindow::GrammarAnalysisWindow(GrammarAnalysisServices& services, DesktopWindowManager& windows,
    std::function<quint64()> userTime, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_windows(windows)
    , m_userTime(std::move(userTime))
    , m_window(std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint))
{
    m_window->setObjectName(QStringLiteral("grammarAnalysisPanel"));
    m_window->setWindowTitle(QStringLiteral("Quillmoor"));
    if (m_windows.isCompositing())
        m_window->setAttribute(Qt::WA_TranslucentBackground);
    m_window->resize(GrammarAnalysisView::kWidth, 150);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_window->installEventFilter(this);
    new WindowDragger(*m_window);
    m_windows.keepOutOfTaskbar(*m_window);
}

GrammarAnalysisWindow::~GrammarAnalysisWindow() = default;

QString GrammarAnalysisWindow::languageCode() const
{
    const std::optional<QString> target = m_services.preferences.translation().targetLanguageCode();
    return target && !target->isEmpty() ? *target : kDefaultLanguageCode;
}

void GrammarAnalysisWindow::show(const QString& sentence, LogicalPoint near)
{
    m_anchor = near;
    const QString code = languageCode();
    if (m_view && m_lastShownSentence == sentence && m_lastShownLanguageCode == code) {
        // The same content with its analysis; one left loading with nothing running starts again.
        m_view->model().resume();
    } else {
        m_lastShownSentence = sentence;
        m_lastShownLanguageCode = code;
        // The old content goes with its running tasks.
        delete m_view.data();
        auto* view = new GrammarAnalysisView(m_services, sentence, m_window.get());
        m_view = view;
        connect(view, &GrammarAnalysisView::contentChanged, this, &GrammarAnalysisWindow::refitAndPlace);
        connect(view, &GrammarAnalysisView::closeRequested, this, &GrammarAnalysisWindow::close);
        m_window->layout()->addWidget(view);
        view->model().start();
    }
    m_activeSinceShown = false;
    refitAndPlace();
    m_window->show();
    m_window->raise();
    // Through _NET_ACTIVE_WINDOW with the trigger's time, which focus-stealing prevention accepts.
    PanelActivation::activateWhenMapped(*m_window, m_windows, m_userTime ? m_userTime() : 0, [this] {
        // Still the active window from before it was hidden: no activation event will come.
        if (m_window->isActiveWindow())
            m_activeSinceShown = true;
    });
}

void GrammarAnalysisWindow::close()
{
    m_window->hide();
}

void GrammarAnalysisWindow::refitAndPlace()
{
    if (!m_view)
        return;
    const QSize size = m_view->fittingSize();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const QPoint anchor = m_anchor.toQPointF().toPoint();
    const QPoint origin = PanelPlacement::overlayOrigin(anchor, size, PanelPlacement::desktopScreens());
    m_window->setGeometry(QRect(origin, size));
    Q_EMIT placed();
}

bool GrammarAnalysisWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window.get())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        m_activeSinceShown = true;
        break;
    case QEvent::WindowDeactivate:
        // The user turned to another window; a panel that never had focus stays.
        if (m_activeSinceShown && m_window->isVisible())
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
