// SPDX-License-Identifier: GPL-3.0-or-later
// TerminationSignals: turns SIGTERM, SIGHUP and SIGINT (logout, shutdown, Ctrl+C) into a call on
// the event loop, so the game can close as its close box does instead of dying where it stands.
// The signal handler only writes the signal's number into a pipe; a socket notifier reads it.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace zantaro {

class TerminationSignals
{
public:
    // Installs the handlers; `received` is called on the event loop with the signal's number.
    explicit TerminationSignals(std::function<void(int signal)> received);
    // Puts the default handlers back.
    ~TerminationSignals();

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void readSignals();

    std::function<void(int)> m_received;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace zantaro
