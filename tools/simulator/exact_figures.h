// SPDX-License-Identifier: GPL-3.0-or-later
// The exact figures of the par sheet: for fresh strips and one payoff table, every payline's chance
// of stopping on each row of the table (the first row that matches) and what that row adds to the
// line's expected pay, found by going through all 20^3 stops of the line's three wheels.
#pragma once

#include "fraction.h"
#include "game/paytable.h"

#include <array>
#include <vector>

namespace zantaro::simulator {

struct RowFigures
{
    int row = 0; // 1-based, as the table counts them
    int pays = 0;
    Fraction probability;
    Fraction contribution; // to the expected pay per coin
};

struct LineFigures
{
    int line = 0; // 1-based
    std::array<int, 3> wheels{};
    std::vector<RowFigures> rows;
    Fraction expectedPayPerCoin;
    Fraction hitFrequency;
};

struct TableFigures
{
    PayTable table = PayTable::Regular;
    std::vector<LineFigures> lines;
    // The mean of the lines' expected pays: the return per coin bet with all eight lines played,
    // before the bonus lamps, the bell pool and the free spins.
    Fraction meanExpectedPayPerCoin;
};

// The regular table is read on the normal strips, the free-spin table on the free-spin strips.
TableFigures exactFigures(PayTable table);

} // namespace zantaro::simulator
