// SPDX-License-Identifier: GPL-3.0-or-later
// HoldTimer: times how long a game window holds the game after a move - one hold at a time, ended
// by a call from the event loop - so that tests can move the time themselves; PreciseHoldTimer is
// the product's, a single-shot precise timer.
#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

namespace zantaro {

class HoldTimer
{
public:
    virtual ~HoldTimer() = default;
    // Calls `end` once, `duration` from now; a hold started meanwhile replaces the one running.
    virtual void start(std::chrono::milliseconds duration, std::function<void()> end) = 0;
    // Drops the running hold, if any: its end is not called.
    virtual void stop() = 0;
};

class PreciseHoldTimer : public HoldTimer
{
public:
    PreciseHoldTimer();
    void start(std::chrono::milliseconds duration, std::function<void()> end) override;
    void stop() override;

private:
    QTimer m_timer;
    std::function<void()> m_end;
};

} // namespace zantaro
