// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus features around the paylines: the lamp outcomes, the bell pool and the fruit counters
// that earn free spins.
#pragma once

#include "game_context.h"

namespace zantaro {

inline constexpr int AutomaticLoserLamp = 0;
inline constexpr int DoublePayoffLamp = 2;
inline constexpr int FreeSpinLamp = 4;
inline constexpr int BonusPoolLamp = 6;

inline constexpr std::int32_t FreshBellPool = 100;
inline constexpr int FreeSpinsPerFruitRefill = 3;

// Applied before the paylines: Automatic Loser, double payoffs, one free spin or a pool increase.
void applyLampOutcome(GameContext& context);

// A line (1 to 8) of Bells or Wilds on a regular spin counts the Lightning row down.
void countBellLine(GameContext& context, int line);

// After the lines: a Lightning row run out wins the bell pool, once per spin.
void checkBellPool(GameContext& context);

// A line that matched the Melon, Apple or Grape row counts its fruit down.
void countFruitLine(GameContext& context, int matchedRow);

// After the bell pool: all fruit collected relights the icons and earns three free spins.
void refillFruit(GameContext& context);

} // namespace zantaro
