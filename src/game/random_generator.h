// SPDX-License-Identifier: GPL-3.0-or-later
// RandomGenerator: the game's one linear congruential generator; every random draw comes from it.
#pragma once

#include <cstdint>

namespace zantaro {

inline constexpr std::int64_t MillisecondsPerDay = 86'400'000;

class RandomGenerator
{
public:
    // A value in 0 .. n - 1 for n >= 1: the state steps to state * 134775813 + 1 (mod 2^32), and
    // the result is the upper half of the 64-bit product of the new state and n.
    std::uint32_t random(std::uint32_t n)
    {
        m_state = m_state * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * n) >> 32);
    }

    // Reseeding takes the milliseconds since midnight UTC; the caller reads the clock.
    void reseed(std::int64_t millisecondsSinceMidnight)
    {
        m_state = static_cast<std::uint32_t>(millisecondsSinceMidnight);
    }

    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state = 0;
};

} // namespace zantaro
