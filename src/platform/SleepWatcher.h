#pragma once

#include <QObject>

#include <memory>

// Tells when the machine has woken from suspend, where the system reports it.
class SleepWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // logind's PrepareForSleep on the system bus; a watcher that never reports without one.
    static std::unique_ptr<SleepWatcher> createDefault();

Q_SIGNALS:
    void resumed();
};
