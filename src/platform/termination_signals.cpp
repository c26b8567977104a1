// SPDX-License-Identifier: GPL-3.0-or-later
#include "termination_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zantaro {

namespace {

constexpr std::array<int, 3> HandledSignals{SIGTERM, SIGHUP, SIGINT};

// The pair of sockets the handler writes into (0) and the event loop reads from (1). One set of
// handlers serves the process.
int signalSockets[2] = {-1, -1};

// Async-signal-safe: one write of one byte, errno kept.
extern "C" void writeSignalNumber(int signal)
{
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &number, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> received) : m_received(std::move(received))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readSignals(); });

    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : HandledSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (const int signal : HandledSignals)
        std::signal(signal, SIG_DFL);
    m_notifier.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationSignals::readSignals()
{
    char number = 0;
    while (::read(signalSockets[1], &number, 1) == 1)
        m_received(number);
}

} // namespace zantaro
