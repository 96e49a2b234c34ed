#pragma once

#include "platform/SleepWatcher.h"

#include <QDBusConnection>

// logind announces PrepareForSleep(true) before a suspend and PrepareForSleep(false) after the
// wake-up; only the second one is reported.
class LogindSleepWatcher : public SleepWatcher
{
    Q_OBJECT
public:
    explicit LogindSleepWatcher(QDBusConnection bus, QObject* parent = nullptr);

private Q_SLOTS:
    void prepareForSleep(bool sleeping);
};
