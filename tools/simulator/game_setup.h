// SPDX-License-Identifier: GPL-3.0-or-later
// The game a simulator run starts from, and the guard against a free-spin series without end.
#pragma once

#include "game/game_state.h"

#include <cstdint>
#include <stdexcept>

namespace zantaro::simulator {

struct Bet
{
    std::int32_t lines = 8;
    std::int32_t coins = 1;
};

// The start-up values with no saved game read, with the bet and the balance asked for, no
// double-or-nothing offer, instant payoff and no sound.
GameState simulatorStartState(const Bet& bet, std::int32_t credits);

// Thrown when the free spins of one spin command pass MaxFreeSpinsPerCommand.
class FreeSpinRunaway : public std::runtime_error
{
public:
    FreeSpinRunaway();
};

// Counts the free spins of the running spin command. A natural series is a handful of spins;
// only a clock that repeats itself (a step of 0) can light the free-spin lamp for ever.
class FreeSpinGuard
{
public:
    static constexpr std::int64_t MaxFreeSpinsPerCommand = 10'000;

    void regularSpin() { m_freeSpins = 0; }
    void freeSpin()
    {
        if (++m_freeSpins > MaxFreeSpinsPerCommand)
            throw FreeSpinRunaway();
    }

private:
    std::int64_t m_freeSpins = 0;
};

} // namespace zantaro::simulator
