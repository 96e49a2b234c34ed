#pragma once

#include <QCoroTask>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class NotificationCenter;
class NotificationPreferences;
class SleepWatcher;
class VocabCardStore;
struct AchievementDefinition;

// The daily review reminder and the announcements of earned achievements, through the desktop's
// notification server. One instance for the whole run; no window of its own.
class NotificationService : public QObject
{
    Q_OBJECT
public:
    static inline const QString kLastReminderKey = QStringLiteral("notifications.reviewReminder.lastFiredDay");
    static constexpr int kCheckIntervalMs = 600'000;
    static inline const QString kSoundName = QStringLiteral("message-new-instant");

    struct Options
    {
        std::function<QDateTime()> clock; // local time when empty
        // Shows a title and a body where no notification server does (the tray's balloon).
        std::function<void(const QString& title, const QString& body)> fallback;
        int checkIntervalMs = kCheckIntervalMs;
        QString desktopEntry = QStringLiteral("org.quillmoor.Quillmoor");
    };

    // `wake` reports wake-ups from suspend, when the system has a way to tell; may be null.
    NotificationService(NotificationCenter& center, VocabCardStore& store, NotificationPreferences& preferences,
        SleepWatcher* wake, Options options, QObject* parent = nullptr);

    // Asks whether notifications can be shown, starts the repeating check and runs the first one.
    void start();
    // Reminds of due cards at most once a calendar day, from the reminder hour on.
    void checkReviewReminder();
    void notifyAchievementUnlocked(const AchievementDefinition& definition);
    QCoro::Task<void> send(QString title, QString body);

    const QTimer& checkTimer() const { return m_checkTimer; }

Q_SIGNALS:
    // After each post, whichever way it went.
    void sent(const QString& title, const QString& body);

private:
    QCoro::Task<void> logAuthorization();
    std::optional<QDate> lastReminderDay() const;
    void storeReminderDay(const QDateTime& now);

    NotificationCenter& m_center;
    VocabCardStore& m_store;
    NotificationPreferences& m_preferences;
    Options m_options;
    QTimer m_checkTimer;
    // The day of this run's reminder, so that a write that failed does not remind again.
    std::optional<QDate> m_remindedDay;
};
