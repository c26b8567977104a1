// SPDX-License-Identifier: GPL-3.0-or-later
// SpinRecall: one spin, regular or free, as the evaluation that paid it recorded it - the symbols
// the wheels stopped on, the bet, the lamp, each line's pay, the bonus events in the order they
// happened, the double-or-nothing round, the winnings and the credits after.
#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zantaro {

enum class SpinEventKind : std::uint8_t
{
    AutomaticLoser,    // the lamp blanked the wheels
    DoublePayoff,      // the lamp doubled every winning line
    FreeSpinLamp,      // the lamp gave one free spin
    BonusPoolIncrease, // value: credits added to the bell pool
    BellLine,          // value: the payline of Bells or Wilds, 1 to 8
    BellPoolWon,       // value: credits won
    FruitLine,         // value: the payoff row of the fruit collected
    FruitRefill,       // value: free spins earned by collecting all fruit
};
inline constexpr int SpinEventKindCount = 8;

struct SpinEvent
{
    SpinEventKind kind = SpinEventKind::AutomaticLoser;
    std::int32_t value = 0;

    bool operator==(const SpinEvent&) const = default;
};

struct SpinRecall
{
    // Milliseconds since midnight UTC when the spin drew its stops.
    std::int64_t clockValue = 0;
    bool freeSpin = false;
    std::int32_t linesPlayed = 0;
    std::int32_t coinsPerLine = 0;
    std::int32_t bet = 0; // taken from the credits; 0 on a free spin
    std::int32_t bonusLamp = 0;
    std::array<std::uint8_t, WheelCount> symbols{};
    std::array<std::int32_t, PaylineCount> linePays{};
    std::vector<SpinEvent> events{};
    bool doubleOrNothingPlayed = false;
    std::int32_t doubleOrNothingStake = 0;
    std::int32_t doubleOrNothingResult = 0;
    std::int32_t winnings = 0; // paid into the credits
    std::int32_t creditsAfter = 0;

    bool operator==(const SpinRecall&) const = default;
};

// A spin about to be evaluated: its bet and the clock value it was drawn at.
SpinRecall beginRecall(const GameState& state, std::int64_t clockValue);

// The evaluated spin: what the wheels show, the lamp, the line pays and the credits after.
void completeRecall(SpinRecall& recall, const GameState& state);

} // namespace zantaro
