// SPDX-License-Identifier: GPL-3.0-or-later
// The clocks a simulator run reseeds the game from, in place of the time of day: a stepped sequence
// that makes a run reproducible, or independent random milliseconds as a player's clock would give.
#pragma once

#include "game/random_generator.h"

#include <cstdint>
#include <random>

namespace zantaro::simulator {

class ReseedClock
{
public:
    virtual ~ReseedClock() = default;
    // The milliseconds since midnight that the next reseed reads.
    virtual std::int64_t next() = 0;
};

// The k-th reseed reads (first + k * step) mod 86,400,000, always a time of day.
class SteppedClock final : public ReseedClock
{
public:
    SteppedClock(std::int64_t first, std::int64_t step);
    std::int64_t next() override;

private:
    std::int64_t m_value;
    std::int64_t m_step;
};

// Every reseed reads a uniformly random millisecond of the day from its own generator.
class RandomClock final : public ReseedClock
{
public:
    explicit RandomClock(std::uint64_t seed) : m_generator(seed) {}
    std::int64_t next() override { return m_millisecond(m_generator); }

private:
    std::mt19937_64 m_generator;
    std::uniform_int_distribution<std::int64_t> m_millisecond{0, MillisecondsPerDay - 1};
};

} // namespace zantaro::simulator
