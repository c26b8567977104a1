// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock::callAt: the call comes from the event loop at its deadline, not much later, once;
// a later call replaces one still pending; and the loop idles while it waits.
#include "platform/clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace zantaro {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr milliseconds Lateness = 80ms; // how late a call may come on a busy machine

milliseconds processCpuTime()
{
    timespec time = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return std::chrono::duration_cast<milliseconds>(std::chrono::seconds(time.tv_sec) +
                                                    std::chrono::nanoseconds(time.tv_nsec));
}

// Runs the event loop until `done` is true.
void runUntil(const bool& done)
{
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(SystemClockTest, successiveCallsEachComeAtTheirDeadlineNotMuchLater)
{
    SystemClock clock;
    const milliseconds start = clock.tickCount();
    for (const milliseconds deadline : {start + 30ms, start + 60ms, start + 90ms, start + 120ms}) {
        std::optional<milliseconds> calledAt;
        clock.callAt(deadline, [&] { calledAt = clock.tickCount(); });
        EXPECT_FALSE(calledAt.has_value()) << "called from within callAt";
        while (!calledAt)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_GE(*calledAt, deadline);
        EXPECT_LT(*calledAt, deadline + Lateness);
    }
}

TEST(SystemClockTest, aDeadlineThatHasPassedIsCalledFromTheEventLoopAtOnce)
{
    SystemClock clock;
    const milliseconds before = clock.tickCount();
    bool called = false;
    clock.callAt(before - 10ms, [&] { called = true; });
    EXPECT_FALSE(called);
    runUntil(called);
    EXPECT_LT(clock.tickCount(), before + Lateness);
}

TEST(SystemClockTest, aLaterCallReplacesThePendingOneAndTheWaitIdles)
{
    SystemClock clock;
    std::vector<int> calls;
    clock.callAt(clock.tickCount() + 20ms, [&] { calls.push_back(1); });
    clock.callAt(clock.tickCount() + 100ms, [&] { calls.push_back(2); });
    const milliseconds cpuBefore = processCpuTime();
    const milliseconds waitedFrom = clock.tickCount();
    bool done = false;
    clock.callAt(clock.tickCount() + 100ms, [&] {
        calls.push_back(3);
        done = true;
    });
    runUntil(done);
    EXPECT_EQ(calls, std::vector<int>{3});
    const milliseconds waited = clock.tickCount() - waitedFrom;
    EXPECT_LT((processCpuTime() - cpuBefore) * 10, waited * 4);
}

} // namespace
} // namespace zantaro
