// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus features around the paylines: the lamp outcomes, the bell pool and the fruit counters
// that earn free spins.
#pragma once

#include "game_context.h"

#include <optional>

namespace zantaro {

inline constexpr int AutomaticLoserLamp = 0;
inline constexpr int DoublePayoffLamp = 2;
inline constexpr int FreeSpinLamp = 4;
inline constexpr int BonusPoolLamp = 6;

inline constexpr std::int32_t FreshBellPool = 100;
inline constexpr int FreeSpinsPerFruitRefill = 3;

// Applied before the paylines: Automatic Loser, double payoffs, one free spin or a pool increase.
// Returns the cue that ends the outcome, if it has one.
std::optional<SoundCue> applyLampOutcome(GameContext& context);

// A line (1 to 8) of Bells or Wilds on a regular spin counts the Lightning row down.
Script countBellLine(GameContext& context, int line);

// After the lines: a Lightning row run out wins the bell pool, once per spin.
inline bool bellPoolIsWon(const GameState& state)
{
    return state.lightning < 1;
}
Script winBellPool(GameContext& context);

// A line that matched the Melon, Apple or Grape row counts its fruit down and draws the fruit
// pyramid; returns whether it did, and the fruit line's cue is then due.
bool countFruitLine(GameContext& context, int matchedRow);

// After the bell pool: all fruit collected relights the icons and earns three free spins.
inline bool allFruitIsCollected(const GameState& state)
{
    return static_cast<std::int64_t>(state.melons) + state.apples + state.grapes < 1;
}
Script refillFruit(GameContext& context);

} // namespace zantaro
