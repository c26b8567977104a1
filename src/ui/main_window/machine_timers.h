// SPDX-License-Identifier: GPL-3.0-or-later
// MachineTimers: the main window's three timers - the bonus lamp's blink, the paying lines' flash
// and the free-spin count's blink - switched by the game and running the machine's handlers.
#pragma once

#include "game/game.h"
#include "game/host.h"

#include <QTimer>
#include <array>

namespace zantaro {

class MachineTimers : public TimerSwitch
{
public:
    explicit MachineTimers(Game& game);

    void setTimerActive(GameTimer timer, bool active) override;
    bool isActive(GameTimer timer) const { return m_timers[index(timer)].isActive(); }

private:
    static std::size_t index(GameTimer timer) { return static_cast<std::size_t>(timer); }

    std::array<QTimer, 3> m_timers; // in GameTimer order
};

} // namespace zantaro
