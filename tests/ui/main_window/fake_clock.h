// SPDX-License-Identifier: GPL-3.0-or-later
// FakeClock: a clock the test moves. Every wait jumps straight to its deadline after handling the
// pending events, so a whole spin runs in no wall-clock time; a hook lets the test act mid-spin.
#pragma once

#include "platform/clock.h"

#include <QCoreApplication>
#include <functional>

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
    void waitUntil(std::chrono::milliseconds deadline) override
    {
        QCoreApplication::processEvents();
        if (deadline > tick)
            tick = deadline;
        if (onWait)
            onWait();
    }
};

} // namespace zantaro::testing
