#include "app/TerminationSignals.h"

#include "diagnostics/QMLog.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace {

constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP };
// The write end the handler uses; -1 while no instance exists.
volatile sig_atomic_t s_writeFd = -1;

void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (s_writeFd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(s_writeFd, &byte, 1);
    }
    errno = saved;
}

QString signalName(int signal)
{
    switch (signal) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    }
    return QString::number(signal);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (s_writeFd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0) {
        qCWarning(lcApp) << "Termination signals are not watched";
        return;
    }
    s_writeFd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
    m_installed = true;
}

TerminationSignals::~TerminationSignals()
{
    if (!m_installed)
        return;
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    s_writeFd = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    while (::read(m_fds[1], &byte, 1) == 1) {
        const QString name = signalName(byte);
        qCInfo(lcApp).noquote() << QStringLiteral("%1 received, quitting").arg(name);
        Q_EMIT received(name);
    }
}
