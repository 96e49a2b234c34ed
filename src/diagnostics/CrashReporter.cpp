#include "diagnostics/CrashReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <ctime>

namespace {

constexpr int kCrashSignals[] = { SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL };
constexpr int kMaxFrames = 64;

int s_logFd = -1;
char s_marker[4096] = {};
char s_version[64] = {};
// The handler may run on a smashed stack: it gets one of its own.
alignas(16) char s_altStack[64 * 1024];

// A fixed buffer the handler fills without allocating; what does not fit is cut.
struct Buffer
{
    char data[16 * 1024];
    size_t size = 0;

    void append(const char* text, size_t length)
    {
        for (size_t i = 0; i < length && size < sizeof data; ++i)
            data[size++] = text[i];
    }
    void append(const char* text) { append(text, std::strlen(text)); }
    void appendNumber(unsigned long value, int width = 0, int base = 10)
    {
        char digits[32];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value && n < 32);
        while (n < width && n < 32)
            digits[n++] = '0';
        while (n > 0)
            append(&digits[--n], 1);
    }
    // A JSON string: quotes, backslashes and control characters escaped.
    void appendJson(const char* text)
    {
        append("\"");
        for (const char* c = text; c && *c; ++c) {
            if (*c == '"' || *c == '\\') {
                append("\\");
                append(c, 1);
            } else if (static_cast<unsigned char>(*c) < 0x20) {
                append("\\u00");
                appendNumber(static_cast<unsigned char>(*c), 2, 16);
            } else {
                append(c, 1);
            }
        }
        append("\"");
    }
};

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGABRT:
        return "SIGABRT";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    }
    return "unknown";
}

// "2026-03-04 05:06:07 +0000" from the epoch seconds, by arithmetic alone (gmtime may lock).
void appendUtcStamp(Buffer& out, long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (Howard Hinnant's algorithm).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2);
    out.appendNumber(static_cast<unsigned long>(year), 4);
    out.append("-");
    out.appendNumber(static_cast<unsigned long>(month), 2);
    out.append("-");
    out.appendNumber(static_cast<unsigned long>(day), 2);
    out.append(" ");
    out.appendNumber(static_cast<unsigned long>(rest / 3600), 2);
    out.append(":");
    out.appendNumber(static_cast<unsigned long>(rest % 3600 / 60), 2);
    out.append(":");
    out.appendNumber(static_cast<unsigned long>(rest % 60), 2);
    out.append(" +0000");
}

// One frame as "module(symbol+0xoffset) [0xaddress]", as far as the dynamic symbols name it.
void appendFrame(Buffer& out, void* address)
{
    Buffer frame;
    Dl_info info = {};
    if (dladdr(address, &info) && info.dli_fname) {
        const char* slash = std::strrchr(info.dli_fname, '/');
        frame.append(slash ? slash + 1 : info.dli_fname);
        frame.append("(");
        const auto base = reinterpret_cast<unsigned long>(info.dli_sname ? info.dli_saddr : info.dli_fbase);
        if (info.dli_sname)
            frame.append(info.dli_sname);
        frame.append("+0x");
        frame.appendNumber(reinterpret_cast<unsigned long>(address) - base, 0, 16);
        frame.append(") ");
    }
    frame.append("[0x");
    frame.appendNumber(reinterpret_cast<unsigned long>(address), 0, 16);
    frame.append("]");
    frame.data[std::min(frame.size, sizeof frame.data - 1)] = '\0';
    out.appendJson(frame.data);
}

void writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written <= 0)
            return;
        data += written;
        size -= static_cast<size_t>(written);
    }
}

void onCrash(int signal)
{
    static Buffer entry;
    entry.size = 0;
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    entry.append("\n--- diagnostic ");
    appendUtcStamp(entry, now.tv_sec);
    entry.append(" ---\n{\"crash\":{\"signal\":");
    entry.appendJson(signalName(signal));
    entry.append(",\"version\":");
    entry.appendJson(s_version);
    entry.append(",\"backtrace\":[");
    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    // The first frames are this handler and the kernel's return trampoline.
    for (int i = 2; i < count; ++i) {
        if (i > 2)
            entry.append(",");
        appendFrame(entry, frames[i]);
    }
    entry.append("]}}\n");
    if (s_logFd >= 0)
        writeAll(s_logFd, entry.data, entry.size);
    if (s_marker[0]) {
        const int marker = ::open(s_marker, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (marker >= 0)
            ::close(marker);
    }
    // Die by the same signal, as without the handler (SA_RESETHAND restored the default).
    ::raise(signal);
}

} // namespace

QString CrashReporter::markerPath(const QString& logPath)
{
    return logPath + QStringLiteral(".unsent-crash");
}

bool CrashReporter::install(const QString& logPath, const QByteArray& version)
{
    QDir().mkpath(QFileInfo(logPath).absolutePath());
    const QByteArray path = QFile::encodeName(logPath);
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (s_logFd >= 0)
        ::close(s_logFd);
    s_logFd = fd;
    const QByteArray marker = QFile::encodeName(markerPath(logPath));
    std::strncpy(s_marker, marker.constData(), sizeof s_marker - 1);
    std::strncpy(s_version, version.constData(), sizeof s_version - 1);
    // backtrace() loads its unwinder on first use, which allocates: do it now.
    void* warm[1];
    backtrace(warm, 1);

    stack_t stack = {};
    stack.ss_sp = s_altStack;
    stack.ss_size = sizeof s_altStack;
    ::sigaltstack(&stack, nullptr);
    struct sigaction action = {};
    action.sa_handler = onCrash;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
    for (const int signal : kCrashSignals)
        ::sigaction(signal, &action, nullptr);
    return true;
}

bool CrashReporter::takePendingReport(const QString& logPath)
{
    const QString marker = markerPath(logPath);
    return QFile::exists(marker) && QFile::remove(marker);
}
