#pragma once

#include <QString>

// Appends a diagnostic entry to diagnostics.log when the process crashes (SIGSEGV, SIGABRT, SIGBUS,
// SIGFPE, SIGILL): the signal, the build version and the stack as far as a signal handler can
// read it, in the file's own entry format. The process then dies by the same signal as it would
// have without the handler. Everything the handler needs is prepared at installation, because
// a crashed process may not allocate or take locks.
class CrashReporter
{
public:
    // Opens the log for appending and installs the handlers; false when the file cannot be opened.
    // A crash also leaves a marker beside the log, so the next start can offer to send the report.
    static bool install(const QString& logPath, const QByteArray& version);

    // Whether a run crashed since the report was last offered; the marker is removed.
    static bool takePendingReport(const QString& logPath);

private:
    static QString markerPath(const QString& logPath);
};
