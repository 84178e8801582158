#include "ui/platform/sessionend.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Woord {

#ifdef Q_OS_UNIX

namespace {

// The pipe from the signal handler to the event loop: a handler may do little
// more than write a byte.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> onEnd, QObject *parent)
    : QObject(parent)
    , m_onEnd(std::move(onEnd))
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::signalled);
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (!m_notifier)
        return;
    struct sigaction action {
    };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void SessionEnd::signalled()
{
    char bytes[64];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) { }
    if (m_onEnd)
        m_onEnd();
}

#else

SessionEnd::SessionEnd(std::function<void()> onEnd, QObject *parent)
    : QObject(parent)
    , m_onEnd(std::move(onEnd))
{
}

SessionEnd::~SessionEnd() = default;

void SessionEnd::signalled() { }

#endif

} // namespace Woord
