// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the statistics window: the running game's counters and what follows from them,
// computed in 64 bits so that no sum of 32-bit counters wraps.
#pragma once

#include "game/game_state.h"

#include <cstdint>

namespace zantaro {

struct StatisticsFigures
{
    std::int64_t spinTotal = 0; // regular, cherry and free spins
    std::int64_t regularSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t credits = 0;
    std::int64_t borrowed = 0;
    std::int64_t totalBets = 0;
    // Everything paid to the player: the game starts with its credits borrowed.
    std::int64_t payoffs = 0;
    // The payoffs of the machine's own lines, without any bonus or double-or-nothing money.
    std::int64_t normalPayoffs = 0;
    std::int64_t freeSpinWinnings = 0;
    std::int64_t bonusPoolWinnings = 0;
    std::int64_t doubleOrNothing = 0;
    // Payoffs without double-or-nothing money, as a percentage of the bets; 0 before any bet.
    double payoffPercentage = 0;
};

StatisticsFigures statisticsOf(const GameState& state);

} // namespace zantaro
