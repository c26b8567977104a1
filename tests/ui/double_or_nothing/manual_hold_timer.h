// SPDX-License-Identifier: GPL-3.0-or-later
// ManualHoldTimer: a hold timer that the test moves itself - it notes each hold started and ends
// the running one only when told - so a game window's holds pass without the wall clock.
#pragma once

#include "platform/hold_timer.h"

#include <chrono>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zantaro::testing {

class ManualHoldTimer : public HoldTimer
{
public:
    // The lengths of the holds started, in order.
    std::vector<std::chrono::milliseconds> started;

    void start(std::chrono::milliseconds duration, std::function<void()> end) override
    {
        started.push_back(duration);
        m_end = std::move(end);
    }

    void stop() override { m_end = nullptr; }

    bool holding() const { return static_cast<bool>(m_end); }

    // Ends the running hold, as its time having passed; a hold that follows it starts running.
    void elapse()
    {
        if (m_end)
            std::exchange(m_end, nullptr)();
    }

private:
    std::function<void()> m_end;
};

// A manual hold timer for a window to own, and the test's hand on it.
struct ManualHolds
{
    std::unique_ptr<ManualHoldTimer> owned = std::make_unique<ManualHoldTimer>();
    ManualHoldTimer* timer = owned.get();
};

} // namespace zantaro::testing
