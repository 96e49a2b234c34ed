#pragma once

#include <QtGlobal>

#include <memory>

class SystemJournal;

// Routes every Qt log message to stderr and, when reachable, to the system journal.
class LogSink
{
public:
    static void install(std::unique_ptr<SystemJournal> journal);
    static void uninstall();
    // Text form of a message as it reaches stderr: "quillmoor.app: message".
    static QString format(QtMsgType type, const char* category, const QString& message);
    static int syslogPriority(QtMsgType type);
};
