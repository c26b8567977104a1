// SPDX-License-Identifier: GPL-3.0-or-later
// The reel strip tables, their loading into the wheels, and the drawing of a spin's stops.
#pragma once

#include "game_state.h"
#include "random_generator.h"

#include <array>
#include <string_view>

namespace zantaro {

// Symbol codes with a role of their own in the payoff tables.
enum Symbol : std::uint8_t
{
    Wild = 0,
    Seven = 1,
    Melon = 2,
    Bell = 3,
    Apple = 4,
    Grape = 5,
    Unused = 6,
    Cherry = 7,
    TripleBar = 8,
    DoubleBar = 9,
    BlankL = 10,
    BlankP = 11,
};
inline constexpr int SymbolCount = 12;

// A wheel's motion offset runs over the 576 rows of the blurred motion strip.
inline constexpr int MotionStripRows = 576;

// Strip texts: one character per position, a digit for its code, "L" for 10 and "P" for 11.
extern const std::array<std::string_view, WheelCount> NormalStrips;
extern const std::array<std::string_view, WheelCount> FreeSpinStrips;

Strip stripFromText(std::string_view text);

// The two tables of strips, read from their texts.
const std::array<Strip, WheelCount>& normalStrips();
const std::array<Strip, WheelCount>& freeSpinStrips();

void buildNormalStrips(GameState& state);

// Loads the free-spin strips and keeps the positions of the last regular spin in SavedWheelPos.
void loadFreeSpinStrips(GameState& state);

// The draws of one spin in their fixed order: one thrown away, the bonus lamp, then for each
// wheel its motion offset and its stop.
void drawStops(GameState& state, RandomGenerator& random, std::array<int, WheelCount>& motionOffsets);

} // namespace zantaro
