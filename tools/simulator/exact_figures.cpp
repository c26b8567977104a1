// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_figures.h"

#include "game/reels.h"

namespace zantaro::simulator {

namespace {

constexpr std::int64_t StopTriples = StripLength * StripLength * StripLength;

LineFigures lineFigures(PayTable table, const std::array<Strip, WheelCount>& strips, int line)
{
    const std::span<const int> pays = rowPays(table);
    const auto& wheels = Paylines[line - 1];
    std::vector<std::int64_t> matches(pays.size() + 1, 0); // index 0: no row matched
    for (const std::uint8_t s1 : strips[wheels[0]])
        for (const std::uint8_t s2 : strips[wheels[1]])
            for (const std::uint8_t s3 : strips[wheels[2]])
                ++matches[firstMatchingRow(table, s1, s2, s3)];

    LineFigures figures;
    figures.line = line;
    figures.wheels = wheels;
    std::int64_t hits = 0;
    for (std::size_t row = 1; row < matches.size(); ++row) {
        const Fraction probability(matches[row], StopTriples);
        figures.rows.push_back(
            {static_cast<int>(row), pays[row - 1], probability, probability * pays[row - 1]});
        figures.expectedPayPerCoin = figures.expectedPayPerCoin + figures.rows.back().contribution;
        hits += matches[row];
    }
    figures.hitFrequency = Fraction(hits, StopTriples);
    return figures;
}

} // namespace

TableFigures exactFigures(PayTable table)
{
    const std::array<Strip, WheelCount>& strips =
        table == PayTable::Regular ? normalStrips() : freeSpinStrips();
    TableFigures figures;
    figures.table = table;
    Fraction total;
    for (int line = 1; line <= PaylineCount; ++line) {
        figures.lines.push_back(lineFigures(table, strips, line));
        total = total + figures.lines.back().expectedPayPerCoin;
    }
    figures.meanExpectedPayPerCoin = Fraction(total.numerator(), total.denominator() * PaylineCount);
    return figures;
}

} // namespace zantaro::simulator
