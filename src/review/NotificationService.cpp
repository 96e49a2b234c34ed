#include "review/NotificationService.h"

#include "diagnostics/QMLog.h"
#include "platform/NotificationCenter.h"
#include "platform/SleepWatcher.h"
#include "preferences/DefaultsStore.h"
#include "preferences/NotificationPreferences.h"
#include "review/AchievementDefinition.h"
#include "store/VocabCardStore.h"

#include <QPointer>
#include <QTimeZone>

NotificationService::NotificationService(NotificationCenter& center, VocabCardStore& store,
    NotificationPreferences& preferences, SleepWatcher* wake, Options options, QObject* parent)
    : QObject(parent)
    , m_center(center)
    , m_store(store)
    , m_preferences(preferences)
    , m_options(std::move(options))
{
    if (!m_options.clock)
        m_options.clock = [] { return QDateTime::currentDateTime(); };
    // Ten minutes give or take one: a coarse timer lets the system batch the wake-up.
    m_checkTimer.setTimerType(Qt::CoarseTimer);
    m_checkTimer.setInterval(m_options.checkIntervalMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &NotificationService::checkReviewReminder);
    // Timers do not run while the machine sleeps: the evening's check comes at the wake-up.
    if (wake)
        connect(wake, &SleepWatcher::resumed, this, &NotificationService::checkReviewReminder);
}

void NotificationService::start()
{
    logAuthorization();
    m_checkTimer.start();
    checkReviewReminder();
}

QCoro::Task<void> NotificationService::logAuthorization()
{
    const NotificationCenter::Authorization answer = co_await m_center.requestAuthorization();
    qCDebug(lcNotifications).noquote() << QStringLiteral("Authorization: granted=%1, error=%2")
                                              .arg(answer.granted ? QStringLiteral("true") : QStringLiteral("false"),
                                                  answer.error.isEmpty() ? QStringLiteral("none") : answer.error);
}

std::optional<QDate> NotificationService::lastReminderDay() const
{
    if (m_remindedDay)
        return m_remindedDay;
    // Written as the start of that local day with its offset: the date as written is the day,
    // wherever the learner is now. Anything else counts as no reminder yet.
    const std::optional<QString> stored = m_preferences.store().string(kLastReminderKey);
    if (!stored)
        return std::nullopt;
    const QDateTime day = QDateTime::fromString(*stored, Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    return day.date();
}

void NotificationService::storeReminderDay(const QDateTime& now)
{
    m_remindedDay = now.date();
    QDateTime start = now.date().startOfDay(now.timeZone());
    start = start.toOffsetFromUtc(start.offsetFromUtc());
    m_preferences.store().setValue(kLastReminderKey, start.toString(Qt::ISODate));
}

void NotificationService::checkReviewReminder()
{
    if (!m_preferences.isEnabled())
        return;
    const QDateTime now = m_options.clock();
    if (now.time().hour() < m_preferences.reminderHour())
        return;
    if (lastReminderDay() == now.date())
        return;
    const int due = m_store.dueCount();
    // Nothing recorded: a check later the same day may still find cards due.
    if (due < 1)
        return;
    storeReminderDay(now);
    send(tr("Пора повторить слова"), tr("Карточек на повторение: %1").arg(due));
}

void NotificationService::notifyAchievementUnlocked(const AchievementDefinition& definition)
{
    send(tr("🏆 Новая награда: %1").arg(definition.localizedTitle()), definition.localizedSubtitle());
}

QCoro::Task<void> NotificationService::send(QString title, QString body)
{
    QPointer<NotificationService> self(this);
    UserNotification notification;
    notification.title = title;
    notification.body = body;
    notification.soundName = kSoundName;
    notification.desktopEntry = m_options.desktopEntry;
    const NotificationCenter::Result result = co_await m_center.post(notification);
    if (!self)
        co_return;
    switch (result.delivery) {
    case NotificationCenter::Delivery::Shown:
        break;
    case NotificationCenter::Delivery::NoServer:
        qCDebug(lcNotifications) << "No notification server: shown by the tray icon";
        if (m_options.fallback)
            m_options.fallback(title, body);
        break;
    case NotificationCenter::Delivery::Failed:
        qCCritical(lcNotifications).noquote() << QStringLiteral("Delivery failed: %1").arg(result.error);
        // The day's reminder is already marked as given: the learner should still see it.
        if (m_options.fallback)
            m_options.fallback(title, body);
        break;
    }
    Q_EMIT sent(title, body);
}
