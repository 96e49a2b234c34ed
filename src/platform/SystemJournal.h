#pragma once

#include <QString>

#include <memory>

// The system log beside stderr (the systemd journal on Linux).
class SystemJournal
{
public:
    virtual ~SystemJournal() = default;
    virtual bool isAvailable() const = 0;
    // priority: syslog levels (3 error, 4 warning, 6 info, 7 debug).
    virtual void write(int priority, const QString& category, const QString& message) = 0;

    // The journal of this machine, or nullptr when none is reachable.
    static std::unique_ptr<SystemJournal> createDefault();
};
