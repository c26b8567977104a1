// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the event loop until a condition holds or a bounded time has passed, without polling.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

namespace zantaro::testing {

// Returns whether `done` came true within `limit`. Blocks for events in between; a timer bounds it.
template <typename Condition>
bool processEventsUntil(Condition done, std::chrono::milliseconds limit = std::chrono::seconds(5))
{
    QTimer guard;
    guard.setSingleShot(true);
    guard.start(limit);
    while (!done() && guard.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

} // namespace zantaro::testing
