// SPDX-License-Identifier: GPL-3.0-or-later
// The eight paylines and the two payoff tables: which row a line of three symbols matches first.
#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>
#include <span>

namespace zantaro {

// Line k + 1 runs over these wheels in this order; the order matters for the partial cherry pays.
inline constexpr std::array<std::array<int, 3>, PaylineCount> Paylines{{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8}, // rows, left to right
    {0, 3, 6},
    {1, 4, 7},
    {2, 5, 8}, // columns, top to bottom
    {0, 4, 8},
    {6, 4, 2}, // diagonals
}};

// The colour of each payline's badge on the machine's face, and of the line wherever it is drawn.
struct LineColour
{
    std::uint8_t red, green, blue;
};
inline constexpr std::array<LineColour, PaylineCount> PaylineColours{{
    {230, 30, 40},
    {250, 210, 20},
    {40, 190, 60},
    {40, 110, 240},
    {250, 130, 20},
    {30, 200, 220},
    {210, 60, 220},
    {160, 230, 40},
}};

enum class PayTable
{
    Regular,
    FreeSpin
};

// Regular rows that move a fruit counter.
inline constexpr int MelonRow = 3;
inline constexpr int AppleRow = 5;
inline constexpr int GrapeRow = 6;

// Pay per coin of each row, row 1 first.
std::span<const int> rowPays(PayTable table);

// The first row (1-based) whose condition the three symbols meet, or 0 when none does.
int firstMatchingRow(PayTable table, std::uint8_t s1, std::uint8_t s2, std::uint8_t s3);

// Pay per coin of a line: the pay of its first matching row, 0 when none matches.
int payPerCoin(PayTable table, std::uint8_t s1, std::uint8_t s2, std::uint8_t s3);

// A line of Bells or Wilds, counted toward the bell pool before the pay lookup.
bool isBellLine(std::uint8_t s1, std::uint8_t s2, std::uint8_t s3);

} // namespace zantaro
