#pragma once

#include <QObject>

class DefaultsStore;

class NotificationPreferences : public QObject
{
    Q_OBJECT
public:
    static inline const QString kEnabledKey = QStringLiteral("notifications.reviewReminder.enabled");
    static inline const QString kHourKey = QStringLiteral("notifications.reviewReminder.hour");
    static constexpr int kDefaultHour = 19;

    explicit NotificationPreferences(DefaultsStore& store, QObject* parent = nullptr);

    bool isEnabled() const { return m_isEnabled; }
    void setEnabled(bool enabled);

    // An hour of the day, 0 to 23.
    int reminderHour() const { return m_reminderHour; }
    void setReminderHour(int hour);

    // The reminder service keeps its own key beside these.
    DefaultsStore& store() const { return m_store; }

Q_SIGNALS:
    void isEnabledChanged(bool enabled);
    void reminderHourChanged(int hour);

private:
    static int readHour(const DefaultsStore& store);

    DefaultsStore& m_store;
    bool m_isEnabled;
    int m_reminderHour;
};
