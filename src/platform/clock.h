// SPDX-License-Identifier: GPL-3.0-or-later
// Clock: the time the game reads - a monotonic tick for pacing, the time of day for reseeding, the
// calendar date - and the call at a deadline that moves a running spin on. The system clock calls
// from the event loop on a precise timer; tests substitute a clock that they move themselves.
#pragma once

#include "game/calendar_date.h"
#include "game/host.h"

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

namespace zantaro {

class Clock : public GameClock
{
public:
    virtual CalendarDate today() = 0;
    // Calls `act` from the event loop once tickCount() has reached `deadline`; a later call
    // replaces one still pending.
    virtual void callAt(std::chrono::milliseconds deadline, std::function<void()> act) = 0;
};

class SystemClock : public Clock
{
public:
    SystemClock();
    std::chrono::milliseconds tickCount() override;
    std::int64_t millisecondsSinceMidnightUtc() override;
    CalendarDate today() override;
    // A precise single-shot timer; one that wakes a little early is started again for the rest.
    void callAt(std::chrono::milliseconds deadline, std::function<void()> act) override;

private:
    void startCallTimer();

    QElapsedTimer m_elapsed;
    QTimer m_callTimer;
    std::chrono::milliseconds m_callDeadline{0};
    std::function<void()> m_call;
};

} // namespace zantaro
