#include "game/paytable.h"
#include "game/reels.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

constexpr std::uint8_t W = Wild;
constexpr std::uint8_t L = BlankL;
constexpr std::uint8_t P = BlankP;

struct LineCase
{
    const char* name;
    std::uint8_t s1, s2, s3;
    int pays;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class RegularPayoffTable : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(RegularPayoffTable, paysTheFirstMatchingRow)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(payPerCoin(PayTable::Regular, c.s1, c.s2, c.s3), c.pays);
}

INSTANTIATE_TEST_SUITE_P(Lines, RegularPayoffTable,
                         ::testing::Values(LineCase{"threeWildsPay250", W, W, W, 250},
                                           LineCase{"threeOnesPay50", 1, 1, 1, 50},
                                           LineCase{"oneWildOnePays50", 1, W, 1, 50},
                                           LineCase{"threeMelonsPay20", 2, 2, 2, 20},
                                           LineCase{"wildWildMelonPays20", W, W, 2, 20},
                                           LineCase{"threeBellsPay18", 3, 3, 3, 18},
                                           LineCase{"wildBellWildPays18", W, 3, W, 18},
                                           LineCase{"threeApplesPay14", 4, 4, 4, 14},
                                           LineCase{"threeGrapesPay12", 5, 5, 5, 12},
                                           LineCase{"threeSevensPay10", 7, 7, 7, 10},
                                           LineCase{"sevenSevenWildPays10", 7, 7, W, 10},
                                           LineCase{"sevenSevenBlankPays3", 7, 7, L, 3},
                                           LineCase{"wildWildBlankPays3", W, W, L, 3},
                                           LineCase{"sevenBlankSevenPays1", 7, P, 7, 1},
                                           LineCase{"wildBlankBlankPays1", W, L, P, 1},
                                           LineCase{"wildOneMelonPays1", W, 1, 2, 1},
                                           LineCase{"blankSevenSevenPays0", L, 7, 7, 0},
                                           LineCase{"grapeGrapeApplePays0", 5, 5, 4, 0},
                                           LineCase{"freeSpinSymbolsPay0", 8, 8, 8, 0},
                                           LineCase{"codeSixPays0", 6, 6, 6, 0},
                                           LineCase{"blanksPay0", L, L, P, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class FreeSpinPayoffTable : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(FreeSpinPayoffTable, paysTheFirstMatchingRow)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(payPerCoin(PayTable::FreeSpin, c.s1, c.s2, c.s3), c.pays);
}

INSTANTIATE_TEST_SUITE_P(Lines, FreeSpinPayoffTable,
                         ::testing::Values(LineCase{"threeWildsPay100", W, W, W, 100},
                                           LineCase{"threeEightsPay50", 8, 8, 8, 50},
                                           LineCase{"wildWildEightPays50", W, W, 8, 50},
                                           LineCase{"threeNinesPay30", 9, 9, 9, 30},
                                           LineCase{"nineWildNinePays30", 9, W, 9, 30},
                                           LineCase{"threeOnesPay20", 1, 1, 1, 20},
                                           LineCase{"oneWildOnePays20", 1, W, 1, 20},
                                           LineCase{"eightNineOnePays10", 8, 9, 1, 10},
                                           LineCase{"wildEightNinePays10", W, 8, 9, 10},
                                           LineCase{"eightEightBlankPays0", 8, 8, L, 0},
                                           LineCase{"wildBlankBlankPays0", W, L, P, 0},
                                           LineCase{"threeSevensPay0", 7, 7, 7, 0},
                                           LineCase{"threeMelonsPay0", 2, 2, 2, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RowCase
{
    const char* name;
    std::uint8_t s1, s2, s3;
    int row;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << c.name;
}

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
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zantaro
