// SPDX-License-Identifier: GPL-3.0-or-later
// SilentHost: a host that shows nothing and never waits. Its showsAnimation() is false, so a spin
// skips its frames and keeps only their lamp draws: the simulator's fast path.
#pragma once

#include "game/host.h"

namespace zantaro::simulator {

class SilentHost : public GameClock,
                   public Presenter,
                   public TimerSwitch,
                   public CuePlayer,
                   public Prompts,
                   public GameStorage
{
public:
    std::int64_t millisecondsSinceMidnightUtc() override { return 0; }
    std::chrono::milliseconds tickCount() override { return std::chrono::milliseconds{0}; }
    bool showsAnimation() const override { return false; }

    void changed(Change, const SpinView&) override {}

    void setTimerActive(GameTimer, bool) override {}
    void wakeAt(std::chrono::milliseconds) override {}
    std::chrono::milliseconds playCue(SoundCue) override { return {}; }
    void showMessage(const Message&) override {}
    bool playDoubleOrNothing(DoubleOrNothingGame) override { return true; }
    void saveRunningGame() override {}
};

} // namespace zantaro::simulator
