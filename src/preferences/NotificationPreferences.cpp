#include "preferences/NotificationPreferences.h"

#include "preferences/DefaultsStore.h"

NotificationPreferences::NotificationPreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_isEnabled(store.boolean(kEnabledKey).value_or(true))
    , m_reminderHour(static_cast<int>(store.integer(kHourKey, 0, 23).value_or(kDefaultHour)))
{
}

void NotificationPreferences::setEnabled(bool enabled)
{
    m_store.setValue(kEnabledKey, enabled);
    if (enabled == m_isEnabled)
        return;
    m_isEnabled = enabled;
    Q_EMIT isEnabledChanged(enabled);
}

void NotificationPreferences::setReminderHour(int hour)
{
    // Only hours of a day are meaningful; anything else is refused rather than stored.
    if (hour < 0 || hour > 23)
        return;
    m_store.setValue(kHourKey, hour);
    if (hour == m_reminderHour)
        return;
    m_reminderHour = hour;
    Q_EMIT reminderHourChanged(hour);
}
