#include "preferences/NotificationPreferences.h"

#include "preferences/DefaultsStore.h"

#include <algorithm>
#include <limits>

NotificationPreferences::NotificationPreferences(DefaultsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_isEnabled(store.boolean(kEnabledKey).value_or(true))
    , m_reminderHour(readHour(store))
{
}

int NotificationPreferences::readHour(const DefaultsStore& store)
{
    // A hand-edited 25 or -1 means "late" or "early", not "the default": it is kept inside the day.
    const std::optional<qint64> hour
        = store.integer(kHourKey, std::numeric_limits<qint64>::min() / 2, std::numeric_limits<qint64>::max() / 2);
    if (!hour)
        return kDefaultHour;
    return static_cast<int>(std::clamp<qint64>(*hour, 0, 23));
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
