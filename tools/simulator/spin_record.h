// SPDX-License-Identifier: GPL-3.0-or-later
// SpinRecord: what one settled spin left in the game, as `play` reports it, and its JSON line.
#pragma once

#include "game/game_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace zantaro::simulator {

struct SpinRecord
{
    bool freeSpin = false;
    std::array<std::int32_t, WheelCount> stops{};
    std::array<std::int32_t, WheelCount> symbols{}; // as the evaluation left them (Automatic Loser blanks)
    std::int32_t lamp = 0;
    std::array<std::int32_t, PaylineCount> linePay{};
    std::int32_t winnings = 0;
    std::int32_t credits = 0;
    std::int32_t totalBets = 0;
    std::int32_t spins = 0;
    std::int32_t bellPool = 0;
    std::int32_t bellPoolWon = 0;
    std::int32_t lightning = 0;
    std::int32_t melons = 0;
    std::int32_t apples = 0;
    std::int32_t grapes = 0;
    std::int32_t freeSpinsPending = 0;
    std::int32_t numberOfBarRolls = 0;
    std::int32_t barRollWon = 0;
    std::string report;

    bool operator==(const SpinRecord& other) const = default;
};

// The record of the spin that has just settled.
SpinRecord recordOf(const GameState& state);

// One compact JSON object, keys in the order of the fields above.
std::string toJson(const SpinRecord& record);

} // namespace zantaro::simulator
