// SPDX-License-Identifier: GPL-3.0-or-later
// MachineTimers: the main window's three timers - the bonus lamp's blink, the paying lines' flash
// and the free-spin count's blink - switched by the game and running the machine's handlers, and
// the clock's wake-up that moves a running spin command on.
#pragma once

#include "game/game.h"
#include "game/host.h"
#include "platform/clock.h"

#include <QTimer>
#include <array>

namespace zantaro {

class MachineTimers : public TimerSwitch
{
public:
    MachineTimers(Game& game, Clock& clock) : m_game(game), m_clock(clock) { connectTimers(); }

    void setTimerActive(GameTimer timer, bool active) override;
    void wakeAt(std::chrono::milliseconds deadline) override;
    bool isActive(GameTimer timer) const { return m_timers[index(timer)].isActive(); }

private:
    static std::size_t index(GameTimer timer) { return static_cast<std::size_t>(timer); }
    void connectTimers();

    Game& m_game;
    Clock& m_clock;
    std::array<QTimer, 3> m_timers; // in GameTimer order
};

} // namespace zantaro
