#include "app/TrayIconController.h"

#include "app/AppDelegate.h"
#include "app/NoTrayWindow.h"
#include "diagnostics/QMLog.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

int TrayIconController::kRetryCount = 5;
int TrayIconController::kRetryIntervalMs = 1000;

namespace {

// The badge: the letters "QM" on a rounded square, drawn at a few sizes so the tray can pick.
QIcon badgeIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x2b, 0x5f, 0xd9));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
        QFont font;
        font.setBold(true);
        font.setPixelSize(static_cast<int>(size * 0.5));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("QM"));
        icon.addPixmap(pixmap);
    }
    return icon;
}

QAction* addItem(QMenu& menu, const char* iconName, const QString& objectName)
{
    QAction* action = menu.addAction(QIcon::fromTheme(QString::fromLatin1(iconName)), QString());
    action->setObjectName(objectName);
    return action;
}

} // namespace

TrayIconController::TrayIconController(AppDelegate& delegate, QObject* parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_menu(std::make_unique<QMenu>())
    // The installed icon when the theme has it (the package puts it in hicolor), else the badge.
    , m_tray(
          std::make_unique<QSystemTrayIcon>(QIcon::fromTheme(QStringLiteral("org.quillmoor.Quillmoor"), badgeIcon())))
{
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_quickLookup = addItem(*m_menu, "edit-find", QStringLiteral("menuQuickLookup"));
    m_review = addItem(*m_menu, "view-list-details", QStringLiteral("menuReview"));
    m_grammar = addItem(*m_menu, "accessories-dictionary", QStringLiteral("menuGrammar"));
    m_settings = addItem(*m_menu, "preferences-system", QStringLiteral("menuLanguageSettings"));
    m_onboarding = addItem(*m_menu, "help-about", QStringLiteral("menuOnboarding"));
    m_feedback = addItem(*m_menu, "mail-message-new", QStringLiteral("menuFeedback"));
    m_menu->addSeparator();
    m_quit = addItem(*m_menu, "application-exit", QStringLiteral("menuQuit"));

    connect(m_quickLookup, &QAction::triggered, &m_delegate, &AppDelegate::showQuickLookup);
    connect(m_review, &QAction::triggered, &m_delegate, &AppDelegate::showReview);
    connect(m_grammar, &QAction::triggered, &m_delegate, &AppDelegate::showGrammar);
    connect(m_settings, &QAction::triggered, &m_delegate, &AppDelegate::showLanguageSettings);
    connect(m_onboarding, &QAction::triggered, &m_delegate, &AppDelegate::showOnboarding);
    connect(m_feedback, &QAction::triggered, &m_delegate, &AppDelegate::composeFeedback);
    connect(m_quit, &QAction::triggered, this, &TrayIconController::quitRequested);

    // The menu is a widget, so it hears about every translator change.
    m_menu->installEventFilter(this);
    m_tray->setContextMenu(m_menu.get());
    retranslate();
}

TrayIconController::~TrayIconController() = default;

bool TrayIconController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menu.get() && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void TrayIconController::retranslate()
{
    m_tray->setToolTip(tr("QM"));
    m_quickLookup->setText(tr("Quick Lookup…"));
    m_review->setText(tr("Повторение…"));
    m_grammar->setText(tr("Грамматика…"));
    m_settings->setText(tr("Language Settings…"));
    m_onboarding->setText(tr("Как это работает…"));
    m_feedback->setText(tr("Отправить фидбек…"));
    m_quit->setText(tr("Quit"));
}

void TrayIconController::show()
{
    m_attempts = 0;
    tryShow();
}

void TrayIconController::showMessage(const QString& title, const QString& body)
{
    if (!m_tray->isVisible()) {
        qCDebug(lcNotifications) << "Not shown, no tray icon:" << title;
        return;
    }
    m_tray->showMessage(title, body, QSystemTrayIcon::Information, kMessageDurationMs);
}

void TrayIconController::tryShow()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray->show();
        return;
    }
    if (m_attempts++ < kRetryCount) {
        // Tray hosts often start after the session's autostart programs.
        QTimer::singleShot(kRetryIntervalMs, this, &TrayIconController::tryShow);
        return;
    }
    qCCritical(lcApp) << "No system tray is available; opening a window with the menu's commands instead."
                      << "The triggers keep working.";
    Q_EMIT trayUnavailable();
    if (!m_fallback)
        m_fallback = std::make_unique<NoTrayWindow>(m_menu->actions());
    m_fallback->show();
    m_fallback->raise();
}
