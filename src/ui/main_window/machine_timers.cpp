// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine_timers.h"

#include "game/timings.h"

namespace zantaro {

void MachineTimers::connectTimers()
{
    Game& game = m_game;
    QTimer& lampBlink = m_timers[index(GameTimer::LampBlink)];
    QTimer& lineFlash = m_timers[index(GameTimer::LineFlash)];
    QTimer& freeSpinBlink = m_timers[index(GameTimer::FreeSpinBlink)];
    lampBlink.setInterval(timings::LampBlink);
    lineFlash.setInterval(timings::LineFlash);
    freeSpinBlink.setInterval(timings::FreeSpinBlink);
    QObject::connect(&lampBlink, &QTimer::timeout, [&game] { game.blinkBonusLamp(); });
    QObject::connect(&lineFlash, &QTimer::timeout, [&game] { game.flashWinningLine(); });
    QObject::connect(&freeSpinBlink, &QTimer::timeout, [&game] { game.blinkFreeSpinCount(); });
}

void MachineTimers::wakeAt(std::chrono::milliseconds deadline)
{
    m_clock.callAt(deadline, [this] { m_game.advance(m_clock.tickCount()); });
}

void MachineTimers::setTimerActive(GameTimer timer, bool active)
{
    QTimer& chosen = m_timers[index(timer)];
    if (active)
        chosen.start();
    else
        chosen.stop();
}

} // namespace zantaro
