// SPDX-License-Identifier: GPL-3.0-or-later
#include "hold_timer.h"

#include <utility>

namespace zantaro {

PreciseHoldTimer::PreciseHoldTimer()
{
    // A hold is the length of a sound or of the loss pause: a coarse timer would stretch it.
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { std::exchange(m_end, nullptr)(); });
}

void PreciseHoldTimer::start(std::chrono::milliseconds duration, std::function<void()> end)
{
    m_end = std::move(end);
    m_timer.start(duration);
}

void PreciseHoldTimer::stop()
{
    m_timer.stop();
    m_end = nullptr;
}

} // namespace zantaro
