// SPDX-License-Identifier: GPL-3.0-or-later
// What the payoff chart shows for each row of the two payoff tables, checked against the rules
// the game really pays by.
#pragma once

#include "game/paytable.h"

#include <array>
#include <vector>

namespace zantaro::assets {

// Stands in a chart row for "any symbol".
inline constexpr int AnySymbol = -1;

struct ChartRow
{
    std::array<int, 3> pictures; // symbol codes left to right, or AnySymbol
    bool anyMix;                 // the row pays for any mix of its pictures and Wilds
    int pay;                     // per coin, from the game's own table
};

// The rows of `table` in the order the game tries them.
std::vector<ChartRow> chartRows(PayTable table);

// True when the chart has one row per row of `table` and each row's pictures, with a blank for
// "any", are matched by exactly that row; a chart that says otherwise would mislead the player.
bool chartMatchesPayTable(PayTable table);

} // namespace zantaro::assets
