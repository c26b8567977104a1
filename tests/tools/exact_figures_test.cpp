// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_figures.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace zantaro::simulator {
namespace {

// An independent count of the first matching rows: the strips and the payoff conditions written
// out again here from the rules as a player reads them, not taken from the engine.
using Condition = std::function<bool(char, char, char)>;

int code(char c)
{
    return c == 'L' ? 10 : c == 'P' ? 11 : c - '0';
}

Condition eachIsOrWild(int symbol)
{
    return [symbol](char a, char b, char c) {
        return (code(a) == symbol || code(a) == 0) && (code(b) == symbol || code(b) == 0) &&
               (code(c) == symbol || code(c) == 0);
    };
}

bool isWildOr(char c, std::initializer_list<int> symbols)
{
    return code(c) == 0 || std::find(symbols.begin(), symbols.end(), code(c)) != symbols.end();
}

const Condition allWild = [](char a, char b, char c) { return code(a) == 0 && code(b) == 0 && code(c) == 0; };

const std::vector<std::pair<Condition, int>> regularTable{
    {allWild, 250},
    {eachIsOrWild(1), 50},
    {eachIsOrWild(2), 20},
    {eachIsOrWild(3), 18},
    {eachIsOrWild(4), 14},
    {eachIsOrWild(5), 12},
    {eachIsOrWild(7), 10},
    {[](char a, char b, char) { return isWildOr(a, {7}) && isWildOr(b, {7}); }, 3},
    {[](char a, char, char) { return isWildOr(a, {7}); }, 1},
};

const std::vector<std::pair<Condition, int>> freeSpinTable{
    {allWild, 100},
    {eachIsOrWild(8), 50},
    {eachIsOrWild(9), 30},
    {eachIsOrWild(1), 20},
    {[](char a, char b, char c) {
         return isWildOr(a, {1, 8, 9}) && isWildOr(b, {1, 8, 9}) && isWildOr(c, {1, 8, 9});
     },
     10},
};

struct BruteForce
{
    std::vector<std::int64_t> firstMatches; // per row, 1-based rows at index row - 1
    std::int64_t payTimes8000 = 0;
    std::int64_t hits = 0;
};

BruteForce bruteForce(const std::vector<std::pair<Condition, int>>& table, const std::string& first,
                      const std::string& second, const std::string& third)
{
    BruteForce result{std::vector<std::int64_t>(table.size(), 0)};
    for (const char a : first) {
        for (const char b : second) {
            for (const char c : third) {
                for (std::size_t row = 0; row < table.size(); ++row) {
                    if (table[row].first(a, b, c)) {
                        ++result.firstMatches[row];
                        result.payTimes8000 += table[row].second;
                        ++result.hits;
                        break;
                    }
                }
            }
        }
    }
    return result;
}

struct LineCase
{
    PayTable table;
    int line;
    std::string first, second, third; // the strips of the line's wheels, in line order
};

void PrintTo(const LineCase& lineCase, std::ostream* out)
{
    *out << (lineCase.table == PayTable::Regular ? "regularLine" : "freeSpinLine") << lineCase.line;
}

class ExactLineFigures : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(ExactLineFigures, matchAnIndependentCountOfAllStopTriples)
{
    const LineCase& lineCase = GetParam();
    const auto& table = lineCase.table == PayTable::Regular ? regularTable : freeSpinTable;
    const BruteForce expected = bruteForce(table, lineCase.first, lineCase.second, lineCase.third);
    const LineFigures figures = exactFigures(lineCase.table).lines.at(lineCase.line - 1);

    ASSERT_EQ(figures.rows.size(), table.size());
    for (std::size_t row = 0; row < table.size(); ++row) {
        SCOPED_TRACE("row " + std::to_string(row + 1));
        EXPECT_EQ(figures.rows[row].row, static_cast<int>(row) + 1);
        EXPECT_EQ(figures.rows[row].pays, table[row].second);
        EXPECT_EQ(figures.rows[row].probability, Fraction(expected.firstMatches[row], 8000));
        EXPECT_EQ(figures.rows[row].contribution,
                  Fraction(expected.firstMatches[row] * table[row].second, 8000));
    }
    EXPECT_EQ(figures.expectedPayPerCoin, Fraction(expected.payTimes8000, 8000));
    EXPECT_EQ(figures.hitFrequency, Fraction(expected.hits, 8000));
}

INSTANTIATE_TEST_SUITE_P(Lines, ExactLineFigures,
                         ::testing::Values(
                             // Regular line 1: wheels 0, 1, 2 on the normal strips.
                             LineCase{PayTable::Regular, 1, "01122233344445557PPP", "0122223344555777LLLL",
                                      "011233344455557777LL"},
                             // Regular line 8 reads bottom left first: wheels 6, 4, 2.
                             LineCase{PayTable::Regular, 8, "011222333444455577PP", "0112333444555577LLLL",
                                      "011233344455557777LL"},
                             // Free-spin line 5: wheels 1, 4, 7 get strips B, C and A.
                             LineCase{PayTable::FreeSpin, 5, "1111999880LLLLLLLLLL", "1119980PPPPPPPPPPPPP",
                                      "1111999880PPPPPPPPPP"},
                             // Free-spin line 7: wheels 0, 4, 8 get strips A, C and B.
                             LineCase{PayTable::FreeSpin, 7, "1111999880PPPPPPPPPP", "1119980PPPPPPPPPPPPP",
                                      "1111999880LLLLLLLLLL"}));

TEST(ExactFigures, firstLineOfTheRegularTableHasTheFiguresWorkedOutByHand)
{
    const LineFigures line1 = exactFigures(PayTable::Regular).lines.front();
    EXPECT_EQ(line1.wheels, (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(line1.rows[0].probability.text(), "1/8000");  // one Wild on each strip
    EXPECT_EQ(line1.rows[0].contribution.text(), "1/32");   // 250 / 8000
    EXPECT_EQ(line1.rows[1].probability.text(), "17/8000"); // 3 x 2 x 3 symbol-1-or-Wild, less three Wilds
}

TEST(ExactFigures, everyTableHasEightLinesWhoseRowsAddUpToTheLineFigures)
{
    for (const PayTable table : {PayTable::Regular, PayTable::FreeSpin}) {
        const TableFigures figures = exactFigures(table);
        ASSERT_EQ(figures.lines.size(), 8u);
        Fraction meanTimes8;
        for (const LineFigures& line : figures.lines) {
            Fraction probability;
            Fraction pay;
            for (const RowFigures& row : line.rows) {
                probability = probability + row.probability;
                pay = pay + row.contribution;
            }
            EXPECT_EQ(probability, line.hitFrequency);
            EXPECT_EQ(pay, line.expectedPayPerCoin);
            meanTimes8 = meanTimes8 + line.expectedPayPerCoin;
        }
        EXPECT_EQ(figures.meanExpectedPayPerCoin * 8, meanTimes8);
    }
}

TEST(Fraction, isKeptInLowestTermsWithZeroAsZeroOverOne)
{
    EXPECT_EQ(Fraction(6, 8000).text(), "3/4000");
    EXPECT_EQ(Fraction(0, 8000).text(), "0/1");
    EXPECT_EQ(Fraction(8000, 8000).text(), "1/1");
    EXPECT_EQ(Fraction(3, -6).text(), "-1/2");
    EXPECT_EQ((Fraction(1, 6) + Fraction(1, 3)).text(), "1/2");
    EXPECT_EQ((Fraction(7, 8000) * 250).text(), "7/32");
    EXPECT_THROW(Fraction(1, 0), std::invalid_argument);
}

} // namespace
} // namespace zantaro::simulator
