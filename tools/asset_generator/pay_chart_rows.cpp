// SPDX-License-Identifier: GPL-3.0-or-later
#include "pay_chart_rows.h"

#include "game/reels.h"

namespace zantaro::assets {

namespace {

struct Example
{
    std::array<int, 3> pictures;
    bool anyMix;
};

std::vector<Example> examplesOf(PayTable table)
{
    if (table == PayTable::Regular) {
        return {
            {{Wild, Wild, Wild}, false},
            {{Seven, Seven, Seven}, false},
            {{Melon, Melon, Melon}, false},
            {{Bell, Bell, Bell}, false},
            {{Apple, Apple, Apple}, false},
            {{Grape, Grape, Grape}, false},
            {{Cherry, Cherry, Cherry}, false},
            {{Cherry, Cherry, AnySymbol}, false},
            {{Cherry, AnySymbol, AnySymbol}, false},
        };
    }
    return {
        {{Wild, Wild, Wild}, false},
        {{TripleBar, TripleBar, TripleBar}, false},
        {{DoubleBar, DoubleBar, DoubleBar}, false},
        {{Seven, Seven, Seven}, false},
        {{TripleBar, Seven, DoubleBar}, true},
    };
}

std::uint8_t asShown(int picture)
{
    return picture == AnySymbol ? std::uint8_t{BlankL} : static_cast<std::uint8_t>(picture);
}

} // namespace

std::vector<ChartRow> chartRows(PayTable table)
{
    const std::vector<Example> examples = examplesOf(table);
    const auto pays = rowPays(table);
    std::vector<ChartRow> rows;
    for (std::size_t row = 0; row < examples.size() && row < pays.size(); ++row)
        rows.push_back({examples[row].pictures, examples[row].anyMix, pays[row]});
    return rows;
}

bool chartMatchesPayTable(PayTable table)
{
    const std::vector<ChartRow> rows = chartRows(table);
    if (rows.size() != rowPays(table).size() || rows.size() != examplesOf(table).size())
        return false;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& shown = rows[row].pictures;
        if (firstMatchingRow(table, asShown(shown[0]), asShown(shown[1]), asShown(shown[2])) != int(row) + 1)
            return false;
    }
    return true;
}

} // namespace zantaro::assets
