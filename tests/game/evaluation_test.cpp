// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/evaluation.h"
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::Board;
using testing::BoardGame;
using testing::boardWith;
using testing::NothingLamp;

using LinePays = std::array<std::int32_t, PaylineCount>;

struct GeometryCase : testing::NamedCase
{
    Board board;
    std::int32_t linesPlayed;
    LinePays pays;
};

class PaylineGeometry : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(PaylineGeometry, paysExactlyTheLinesOverTheSymbols)
{
    const GeometryCase& c = GetParam();
    BoardGame game(c.board);
    game.state.linesPlayed = c.linesPlayed;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.linePay, c.pays);
}

constexpr std::uint8_t One = Seven; // symbol 1 pays only as a full line, so crossing lines stay 0

INSTANTIATE_TEST_SUITE_P(
    Boards, PaylineGeometry,
    ::testing::Values(
        GeometryCase{
            "line1IsTheTopRow", boardWith({{0, One}, {1, One}, {2, One}}), 8, {50, 0, 0, 0, 0, 0, 0, 0}},
        GeometryCase{
            "line2IsTheMiddleRow", boardWith({{3, One}, {4, One}, {5, One}}), 8, {0, 50, 0, 0, 0, 0, 0, 0}},
        GeometryCase{
            "line3IsTheBottomRow", boardWith({{6, One}, {7, One}, {8, One}}), 8, {0, 0, 50, 0, 0, 0, 0, 0}},
        GeometryCase{
            "line4IsTheLeftColumn", boardWith({{0, One}, {3, One}, {6, One}}), 8, {0, 0, 0, 50, 0, 0, 0, 0}},
        GeometryCase{"line5IsTheMiddleColumn",
                     boardWith({{1, One}, {4, One}, {7, One}}),
                     8,
                     {0, 0, 0, 0, 50, 0, 0, 0}},
        GeometryCase{
            "line6IsTheRightColumn", boardWith({{2, One}, {5, One}, {8, One}}), 8, {0, 0, 0, 0, 0, 50, 0, 0}},
        GeometryCase{
            "line7FallsFromTopLeft", boardWith({{0, One}, {4, One}, {8, One}}), 8, {0, 0, 0, 0, 0, 0, 50, 0}},
        GeometryCase{"line8RisesFromBottomLeft",
                     boardWith({{6, One}, {4, One}, {2, One}}),
                     8,
                     {0, 0, 0, 0, 0, 0, 0, 50}},
        GeometryCase{
            "line8ReadsWheelSixFirstAsLine3Does", boardWith({{6, Cherry}}), 8, {0, 0, 1, 0, 0, 0, 0, 1}},
        GeometryCase{"aSevenOnWheelTwoAlonePaysOnLineSixNotLineEight",
                     boardWith({{2, Cherry}}),
                     8,
                     {0, 0, 0, 0, 0, 1, 0, 0}},
        GeometryCase{"oneLinePlayedLeavesADiagonalOfWildsUnpaid",
                     boardWith({{6, Wild}, {4, Wild}, {2, Wild}}),
                     1,
                     {0, 0, 0, 0, 0, 0, 0, 0}},
        GeometryCase{"linesBeyondThosePlayedPayNothing",
                     boardWith({{1, One}, {4, One}, {7, One}}),
                     4,
                     {0, 0, 0, 0, 0, 0, 0, 0}},
        GeometryCase{"aLoadedLineCountAboveEightReadsTheEightLines",
                     boardWith({{6, One}, {4, One}, {2, One}}),
                     12,
                     {0, 0, 0, 0, 0, 0, 0, 50}},
        GeometryCase{"aLoadedNegativeLineCountReadsNoLine",
                     boardWith({{0, One}, {1, One}, {2, One}}),
                     -3,
                     {0, 0, 0, 0, 0, 0, 0, 0}}),
    testing::caseName);

TEST(Evaluation, threeWildsWithEightCoinsOnADoubledSpinPay4000OnTheirLine)
{
    BoardGame game(boardWith({{0, Wild}, {1, Wild}, {2, Wild}}), 2);
    game.state.coinsPerLine = 8;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.linePay[0], 250 * 8 * 2);
}

TEST(Evaluation, winningsAreTheSumOfTheLinePaysAndTheFirstWinningLineIsTheFirstThatPaid)
{
    BoardGame game(boardWith({{0, Cherry}, {3, Cherry}, {4, One}}));
    game.state.coinsPerLine = 3;
    game.state.payMode = true;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "readout shown") {
            EXPECT_EQ(game.state.winnings, 3 * (1 + 1 + 3 + 1));
        }
    };
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.linePay, (LinePays{3, 3, 0, 9, 0, 0, 3, 0}));
    EXPECT_EQ(game.state.firstWinningLine, 0);
    EXPECT_EQ(game.host.count("readout shown"), 2);
}

TEST(Evaluation, aSpinWithoutPayingLinesHasNoFirstWinningLine)
{
    BoardGame game(boardWith({}));
    game.state.firstWinningLine = 4;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.firstWinningLine, -1);
    EXPECT_EQ(game.state.winnings, 0);
    EXPECT_EQ(game.host.count("readout shown"), 0);
}

TEST(Evaluation, restartsTheFlashTicksButKeepsTheFlashPhase)
{
    BoardGame game(boardWith({{2, Cherry}}));
    game.context().view.highlightTicks = 5;
    game.context().view.highlightPhase = true;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.context().view.highlightTicks, 0);
    EXPECT_TRUE(game.context().view.highlightPhase);
    EXPECT_EQ(game.state.firstWinningLine, 5);
}

TEST(Evaluation, regularEvaluationReseedsFirstAndTheFreeSpinEvaluationDoesNot)
{
    BoardGame regular(boardWith({}));
    regular.play(evaluateSpin(regular.context()));
    ASSERT_FALSE(regular.host.log.empty());
    EXPECT_EQ(regular.host.log.front().rfind("reseed ", 0), 0u);

    BoardGame freeSpin(boardWith({}));
    freeSpin.play(evaluateFreeSpin(freeSpin.context()));
    EXPECT_TRUE(freeSpin.host.linesStartingWith("reseed").empty());
}

struct ReportCase : testing::NamedCase
{
    Board board;
    int lamp;
    std::int32_t coins;
    std::string report;
};

class SpinReport : public ::testing::TestWithParam<ReportCase>
{
};

TEST_P(SpinReport, readsAsTheSpinWent)
{
    const ReportCase& c = GetParam();
    BoardGame game(c.board, c.lamp);
    game.state.coinsPerLine = c.coins;
    game.state.spinReport = {{MessageId::LinePaid, 3, 99}}; // the report of an earlier spin
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(englishText(game.state.spinReport), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Spins, SpinReport,
    ::testing::Values(
        ReportCase{"nothingWrittenGivesTheNoWinSentence", boardWith({}), NothingLamp, 1,
                   "There were no winning lines on the last spin."},
        ReportCase{"theFreeSpinLampWritesNothing", boardWith({}), 4, 1,
                   "There were no winning lines on the last spin."},
        ReportCase{"eachPayingLineWritesItsNumberAndPay", boardWith({{0, Cherry}, {3, Cherry}, {4, One}}),
                   NothingLamp, 2,
                   "Line 1 paid 2.\r\nLine 2 paid 2.\r\nLine 4 paid 6.\r\nLine 7 paid 2.\r\n"},
        ReportCase{"doubledLinesFollowTheLampText", boardWith({{0, Wild}, {1, Wild}, {2, Wild}}), 2, 8,
                   "All Winnings Lines are Doubled.\r\nLine 1 paid 4000.\r\nLine 4 paid 16.\r\n"
                   "Line 5 paid 16.\r\nLine 6 paid 16.\r\nLine 7 paid 16.\r\n"},
        ReportCase{"aWonBellPoolFollowsTheLines",
                   boardWith({{0, Bell},
                              {1, Bell},
                              {2, Bell},
                              {3, Bell},
                              {4, Bell},
                              {5, Bell},
                              {6, Bell},
                              {7, Bell},
                              {8, Bell}}),
                   NothingLamp, 1,
                   "Line 1 paid 18.\r\nLine 2 paid 18.\r\nLine 3 paid 18.\r\nLine 4 paid 18.\r\n"
                   "Line 5 paid 18.\r\nLine 6 paid 18.\r\nLine 7 paid 18.\r\nLine 8 paid 18.\r\n"
                   "Won the Bell Pool Worth 100\r\n"},
        ReportCase{"anAutomaticLoserHidesAnyLine", boardWith({{0, Wild}, {1, Wild}, {2, Wild}}), 0, 1,
                   "Automatic Loser\r\n"}),
    testing::caseName);

TEST(SpinReportText, aBonusPoolIncreaseKeepsItsTextWithoutTheNoWinSentence)
{
    BoardGame game(boardWith({}), 6);
    constexpr std::int64_t clock = 123'456;
    game.host.nextReseeds = {clock};
    game.play(evaluateSpin(game.context()));

    RandomGenerator expected;
    expected.reseed(clock);
    const int increase = static_cast<int>(expected.random(25)) + 1;
    EXPECT_EQ(englishText(game.state.spinReport),
              "Bonus Pool increased by " + std::to_string(increase) + " credits.\r\n");
    EXPECT_EQ(game.state.bellPool, 100 + increase);
}

TEST(SpinReportText, aReportLongerThan255CharactersKeepsItsFirst255AndCountsEveryPay)
{
    // Loaded values far above what play reaches make the report overflow.
    BoardGame game(boardWith({{0, Wild},
                              {1, Wild},
                              {2, Wild},
                              {3, Wild},
                              {4, Wild},
                              {5, Wild},
                              {6, Wild},
                              {7, Wild},
                              {8, Wild}}),
                   2);
    game.state.coinsPerLine = 200'000;
    game.state.bellPool = 1'000'000;
    game.play(evaluateSpin(game.context()));

    std::string full = "All Winnings Lines are Doubled.\r\n";
    for (int line = 1; line <= 8; ++line)
        full += "Line " + std::to_string(line) + " paid 100000000.\r\n";
    full += "Won the Bell Pool Worth 2000000\r\n";
    ASSERT_GT(full.size(), 255u);
    EXPECT_EQ(englishText(game.state.spinReport), full.substr(0, 255));
    EXPECT_EQ(game.state.bellPoolWon, 2'000'000);
    EXPECT_EQ(game.state.credits, 1000 + 8 * 100'000'000 + 2'000'000);
}

TEST(SpinReportText, appendingKeepsTheFirst255Characters)
{
    std::string text(250, 'a');
    appendCapped(text, "bcdefgh");
    EXPECT_EQ(text, std::string(250, 'a') + "bcdef");
    appendCapped(text, "more");
    EXPECT_EQ(text.size(), 255u);
}

} // namespace
} // namespace zantaro
