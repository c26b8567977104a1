// SPDX-License-Identifier: GPL-3.0-or-later
// PreciseHoldTimer: a stopped hold never ends, so a game window that finished a move at once is
// not told of its hold's end later.
#include "platform/hold_timer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

using namespace std::chrono_literals;

// Runs the event loop for a while past the hold under test.
void runEventLoopFor(std::chrono::milliseconds time)
{
    bool over = false;
    QTimer::singleShot(time, [&] { over = true; });
    while (!over)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(PreciseHoldTimerTest, aStoppedHoldNeverEnds)
{
    PreciseHoldTimer timer;
    bool ended = false;
    timer.start(5ms, [&] { ended = true; });
    timer.stop();
    runEventLoopFor(40ms);
    EXPECT_FALSE(ended);
}

} // namespace
} // namespace zantaro
