// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock::waitUntil: it returns at its deadline, keeps timers running and stays idle even
// after the application has been told to quit.
#include "platform/clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace zantaro {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr milliseconds Lateness = 80ms; // how late a wait may return on a busy machine

milliseconds processCpuTime()
{
    timespec time = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return std::chrono::duration_cast<milliseconds>(std::chrono::seconds(time.tv_sec) +
                                                    std::chrono::nanoseconds(time.tv_nsec));
}

TEST(SystemClockTest, successiveWaitsEachReturnAtTheirDeadlineNotMuchLater)
{
    SystemClock clock;
    const milliseconds start = clock.tickCount();
    for (const milliseconds deadline : {start + 30ms, start + 60ms, start + 90ms, start + 120ms}) {
        clock.waitUntil(deadline);
        const milliseconds returned = clock.tickCount();
        EXPECT_GE(returned, deadline);
        EXPECT_LT(returned, deadline + Lateness);
    }
}

TEST(SystemClockTest, aWaitWhoseDeadlineHasPassedReturnsAtOnce)
{
    SystemClock clock;
    const milliseconds before = clock.tickCount();
    clock.waitUntil(before - 10ms);
    EXPECT_LT(clock.tickCount(), before + 10ms);
}

TEST(SystemClockTest, timersFireDuringAWait)
{
    SystemClock clock;
    std::optional<milliseconds> firedAt;
    QTimer::singleShot(5ms, [&] { firedAt = clock.tickCount(); });
    const milliseconds deadline = clock.tickCount() + 30ms;
    clock.waitUntil(deadline);
    ASSERT_TRUE(firedAt.has_value());
    EXPECT_LT(*firedAt, deadline);
}

// Run in a child process, so that the quitting application does not outlive the test.
TEST(SystemClockTest, aWaitAfterTheApplicationWasToldToQuitStillBlocksIdlyUntilItsDeadline)
{
    struct Measured
    {
        milliseconds waited;
        milliseconds cpu;
    };
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(10); // a hung wait ends the child instead of the test run
        QCoreApplication::exit(0);
        SystemClock clock;
        const milliseconds deadline = clock.tickCount() + 100ms;
        const milliseconds cpuBefore = processCpuTime();
        clock.waitUntil(deadline);
        const Measured measured{clock.tickCount() - (deadline - 100ms), processCpuTime() - cpuBefore};
        const bool sent = ::write(pipeEnds[1], &measured, sizeof measured) == sizeof measured;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    Measured measured{};
    const ssize_t received = ::read(pipeEnds[0], &measured, sizeof measured);
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    ASSERT_EQ(received, static_cast<ssize_t>(sizeof measured));
    EXPECT_GE(measured.waited, 100ms);
    EXPECT_LT(measured.waited, 100ms + Lateness);
    EXPECT_LT(measured.cpu * 10, measured.waited * 4) << "CPU time " << measured.cpu.count() << " ms";
}

} // namespace
} // namespace zantaro
