// SPDX-License-Identifier: GPL-3.0-or-later
#include "reseed_clock.h"

namespace zantaro::simulator {

namespace {

// The time of day a value stands for, also for negative values.
std::int64_t timeOfDay(std::int64_t value)
{
    const std::int64_t rest = value % MillisecondsPerDay;
    return rest < 0 ? rest + MillisecondsPerDay : rest;
}

} // namespace

// Both are reduced first, so adding one step never overflows, however large the arguments.
SteppedClock::SteppedClock(std::int64_t first, std::int64_t step)
    : m_value(timeOfDay(first)), m_step(timeOfDay(step))
{
}

std::int64_t SteppedClock::next()
{
    const std::int64_t value = m_value;
    m_value = (m_value + m_step) % MillisecondsPerDay;
    return value;
}

} // namespace zantaro::simulator
