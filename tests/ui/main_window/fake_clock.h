// SPDX-License-Identifier: GPL-3.0-or-later
// FakeClock: a clock the test moves. Every wait and every timed call jumps straight to its
// deadline after handling the pending events, so a whole spin runs in no wall-clock time, within
// the call that started it; a hook lets the test act mid-spin.
#pragma once

#include "platform/clock.h"

#include <QCoreApplication>
#include <functional>
#include <utility>

namespace zantaro::testing {

class FakeClock : public Clock
{
public:
    std::chrono::milliseconds tick{0};
    std::int64_t timeOfDayAtStart = 0; // the time of day moves on with tick
    CalendarDate date{2026, 12, 8};
    std::function<void()> onWait;

    std::chrono::milliseconds tickCount() override { return tick; }
    std::int64_t millisecondsSinceMidnightUtc() override
    {
        return (timeOfDayAtStart + tick.count()) % 86'400'000;
    }
    CalendarDate today() override { return date; }
    // Handles what is pending, moves to the deadline and lets the test act.
    void waitUntil(std::chrono::milliseconds deadline)
    {
        QCoreApplication::processEvents();
        if (deadline > tick)
            tick = deadline;
        if (onWait)
            onWait();
    }
    // The calls run one after another in a loop here, not inside each other: a spin's next wake-up
    // is asked for from within the call before.
    void callAt(std::chrono::milliseconds deadline, std::function<void()> act) override
    {
        m_pending = std::move(act);
        m_pendingDeadline = deadline;
        if (m_calling)
            return;
        m_calling = true;
        while (m_pending) {
            const std::function<void()> call = std::exchange(m_pending, nullptr);
            waitUntil(m_pendingDeadline);
            call();
        }
        m_calling = false;
    }

private:
    std::function<void()> m_pending;
    std::chrono::milliseconds m_pendingDeadline{0};
    bool m_calling = false;
};

} // namespace zantaro::testing
