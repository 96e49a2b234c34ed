#include "diagnostics/LogSink.h"

#include "platform/SystemJournal.h"

#include <QMutex>
#include <QString>

#include <cstdio>

namespace {

QMutex s_mutex;
std::unique_ptr<SystemJournal> s_journal;
QtMessageHandler s_previous = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const char* category = context.category ? context.category : "default";
    const QByteArray line = LogSink::format(type, category, message).toUtf8();
    QMutexLocker lock(&s_mutex);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    if (s_journal)
        s_journal->write(LogSink::syslogPriority(type), QString::fromUtf8(category), message);
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void LogSink::install(std::unique_ptr<SystemJournal> journal)
{
    {
        QMutexLocker lock(&s_mutex);
        s_journal = std::move(journal);
    }
    QtMessageHandler previous = qInstallMessageHandler(handleMessage);
    if (previous != handleMessage)
        s_previous = previous;
}

void LogSink::uninstall()
{
    qInstallMessageHandler(s_previous);
    QMutexLocker lock(&s_mutex);
    s_journal.reset();
}

QString LogSink::format(QtMsgType type, const char* category, const QString& message)
{
    const char* level = "";
    switch (type) {
    case QtDebugMsg:
        level = "debug";
        break;
    case QtInfoMsg:
        level = "info";
        break;
    case QtWarningMsg:
        level = "warning";
        break;
    case QtCriticalMsg:
        level = "error";
        break;
    case QtFatalMsg:
        level = "fatal";
        break;
    }
    return QStringLiteral("%1 [%2] %3").arg(QString::fromUtf8(category), QString::fromLatin1(level), message);
}

int LogSink::syslogPriority(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return 7;
    case QtInfoMsg:
        return 5;
    case QtWarningMsg:
        return 4;
    case QtCriticalMsg:
        return 3;
    case QtFatalMsg:
        return 2;
    }
    return 6;
}
