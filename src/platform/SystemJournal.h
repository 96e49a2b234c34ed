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

    // The journal of this machine, or nullptr when none is reachable or when stderr already goes
    // to it (started by systemd), where writing both would log every line twice.
    static std::unique_ptr<SystemJournal> createDefault();
    // Whether stderr is the journal stream systemd connected ($JOURNAL_STREAM names its device and
    // inode).
    static bool stderrIsJournal();
};
