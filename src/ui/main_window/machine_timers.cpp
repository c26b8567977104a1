#include "machine_timers.h"

#include "game/timings.h"

namespace zantaro {

MachineTimers::MachineTimers(Machine& machine)
{
    QTimer& lampBlink = m_timers[index(GameTimer::LampBlink)];
    QTimer& lineFlash = m_timers[index(GameTimer::LineFlash)];
    QTimer& freeSpinBlink = m_timers[index(GameTimer::FreeSpinBlink)];
    lampBlink.setInterval(timings::LampBlink);
    lineFlash.setInterval(timings::LineFlash);
    freeSpinBlink.setInterval(timings::FreeSpinBlink);
    QObject::connect(&lampBlink, &QTimer::timeout, [&machine] { machine.Timer1Timer(); });
    QObject::connect(&lineFlash, &QTimer::timeout, [&machine] { machine.Timer4Timer(); });
    QObject::connect(&freeSpinBlink, &QTimer::timeout, [&machine] { machine.Timer5Timer(); });
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
