#include "app/CrashReportOffer.h"

#include "app/TrayIconController.h"
#include "diagnostics/QMLog.h"
#include "platform/NotificationCenter.h"

#include <QCoroTask>
#include <QPointer>
#include <QSystemTrayIcon>

CrashReportOffer::CrashReportOffer(
    NotificationCenter& notifications, TrayIconController& tray, std::function<void()> send, QObject* parent)
    : QObject(parent)
    , m_notifications(notifications)
    , m_tray(tray)
    , m_send(std::move(send))
{
}

void CrashReportOffer::offer()
{
    UserNotification notification;
    notification.title = tr("Quillmoor неожиданно завершился");
    notification.body = tr("Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.");
    notification.desktopEntry = QStringLiteral("org.quillmoor.Quillmoor");
    notification.actionLabel = tr("Отправить отчёт");
    notification.onAction = m_send;
    QPointer<CrashReportOffer> self(this);
    [](QPointer<CrashReportOffer> self, NotificationCenter& center, UserNotification notification) -> QCoro::Task<> {
        const NotificationCenter::Result result = co_await center.post(notification);
        if (!self || result.delivery == NotificationCenter::Delivery::Shown)
            co_return;
        qCWarning(lcNotifications).noquote() << "Crash report offered in the tray:" << result.error;
        // One click on the balloon sends the report.
        QSystemTrayIcon* icon = self->m_tray.trayIcon();
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(icon, &QSystemTrayIcon::messageClicked, self, [send = self->m_send, connection] {
            disconnect(*connection);
            send();
        });
        self->m_tray.showMessage(notification.title, notification.body);
    }(self, m_notifications, notification);
}
