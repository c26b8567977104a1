// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/paytable.h"
#include "game/reels.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

constexpr std::uint8_t W = Wild;
constexpr std::uint8_t L = BlankL;
constexpr std::uint8_t P = BlankP;

struct LineCase : testing::NamedCase
{
    PayTable table;
    std::uint8_t s1, s2, s3;
    int pays;
};

class PayoffTable : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(PayoffTable, paysTheFirstMatchingRow)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(payPerCoin(c.table, c.s1, c.s2, c.s3), c.pays);
}

constexpr PayTable Regular = PayTable::Regular;
constexpr PayTable FreeSpin = PayTable::FreeSpin;

INSTANTIATE_TEST_SUITE_P(Regular, PayoffTable,
                         ::testing::Values(LineCase{"threeWildsPay250", Regular, W, W, W, 250},
                                           LineCase{"threeOnesPay50", Regular, 1, 1, 1, 50},
                                           LineCase{"oneWildOnePays50", Regular, 1, W, 1, 50},
                                           LineCase{"threeMelonsPay20", Regular, 2, 2, 2, 20},
                                           LineCase{"wildWildMelonPays20", Regular, W, W, 2, 20},
                                           LineCase{"threeBellsPay18", Regular, 3, 3, 3, 18},
                                           LineCase{"wildBellWildPays18", Regular, W, 3, W, 18},
                                           LineCase{"threeApplesPay14", Regular, 4, 4, 4, 14},
                                           LineCase{"threeGrapesPay12", Regular, 5, 5, 5, 12},
                                           LineCase{"threeSevensPay10", Regular, 7, 7, 7, 10},
                                           LineCase{"sevenSevenWildPays10", Regular, 7, 7, W, 10},
                                           LineCase{"sevenSevenBlankPays3", Regular, 7, 7, L, 3},
                                           LineCase{"wildWildBlankPays3", Regular, W, W, L, 3},
                                           LineCase{"sevenBlankSevenPays1", Regular, 7, P, 7, 1},
                                           LineCase{"wildBlankBlankPays1", Regular, W, L, P, 1},
                                           LineCase{"wildOneMelonPays1", Regular, W, 1, 2, 1},
                                           LineCase{"blankSevenSevenPays0", Regular, L, 7, 7, 0},
                                           LineCase{"grapeGrapeApplePays0", Regular, 5, 5, 4, 0},
                                           LineCase{"freeSpinSymbolsPay0", Regular, 8, 8, 8, 0},
                                           LineCase{"codeSixPays0", Regular, 6, 6, 6, 0},
                                           LineCase{"blanksPay0", Regular, L, L, P, 0}),
                         testing::caseName);

INSTANTIATE_TEST_SUITE_P(FreeSpin, PayoffTable,
                         ::testing::Values(LineCase{"threeWildsPay100", FreeSpin, W, W, W, 100},
                                           LineCase{"threeEightsPay50", FreeSpin, 8, 8, 8, 50},
                                           LineCase{"wildWildEightPays50", FreeSpin, W, W, 8, 50},
                                           LineCase{"threeNinesPay30", FreeSpin, 9, 9, 9, 30},
                                           LineCase{"nineWildNinePays30", FreeSpin, 9, W, 9, 30},
                                           LineCase{"threeOnesPay20", FreeSpin, 1, 1, 1, 20},
                                           LineCase{"oneWildOnePays20", FreeSpin, 1, W, 1, 20},
                                           LineCase{"eightNineOnePays10", FreeSpin, 8, 9, 1, 10},
                                           LineCase{"wildEightNinePays10", FreeSpin, W, 8, 9, 10},
                                           LineCase{"eightEightBlankPays0", FreeSpin, 8, 8, L, 0},
                                           LineCase{"wildBlankBlankPays0", FreeSpin, W, L, P, 0},
                                           LineCase{"threeSevensPay0", FreeSpin, 7, 7, 7, 0},
                                           LineCase{"threeMelonsPay0", FreeSpin, 2, 2, 2, 0}),
                         testing::caseName);

struct RowCase : testing::NamedCase
{
    std::uint8_t s1, s2, s3;
    int row;
};

class RegularRowMatch : public ::testing::TestWithParam<RowCase>
{
};

// The fruit counters follow the row a line matched, so a line that could match two rows must
// take the upper one.
TEST_P(RegularRowMatch, takesTheUppermostRow)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(firstMatchingRow(PayTable::Regular, c.s1, c.s2, c.s3), c.row);
}

INSTANTIATE_TEST_SUITE_P(Lines, RegularRowMatch,
                         ::testing::Values(RowCase{"threeWildsMatchRowOneNotAFruitRow", W, W, W, 1},
                                           RowCase{"wildWildMelonMatchesTheMelonRow", W, W, 2, MelonRow},
                                           RowCase{"appleWildAppleMatchesTheAppleRow", 4, W, 4, AppleRow},
                                           RowCase{"wildGrapeGrapeMatchesTheGrapeRow", W, 5, 5, GrapeRow},
                                           RowCase{"blanksMatchNoRow", L, L, L, 0}),
                         testing::caseName);

} // namespace
} // namespace zantaro
