// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/evaluation.h"
#include "game/reels.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::BoardGame;
using testing::boardWith;
using Lines = std::vector<std::string>;

const testing::Board TopRowOfWilds = boardWith({{0, Wild}, {1, Wild}, {2, Wild}});
const testing::Board AllBells = boardWith(
    {{0, Bell}, {1, Bell}, {2, Bell}, {3, Bell}, {4, Bell}, {5, Bell}, {6, Bell}, {7, Bell}, {8, Bell}});

Lines cuesOf(const testing::RecordingHost& host)
{
    return host.linesStartingWith("cue ");
}

TEST(AutomaticLoser, blanksTheWheelsBeforeTheLinesSoAThreeWildLinePaysNothing)
{
    BoardGame game(TopRowOfWilds, 0);
    game.play(evaluateSpin(game.context()));

    const std::array<int, WheelCount> blanks{11, 10, 10, 10, 10, 11, 11, 11, 10};
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(game.state.shownSymbol(wheel), blanks[wheel]) << "wheel " << wheel;
    EXPECT_EQ(game.state.winnings, 0);
    EXPECT_EQ(game.state.linePay, (std::array<std::int32_t, PaylineCount>{}));
    EXPECT_EQ(game.state.lightning, 3);
    EXPECT_EQ(englishText(game.state.spinReport), "Automatic Loser\r\n");
    const Lines afterReseed(game.host.log.begin() + 1, game.host.log.end());
    EXPECT_EQ(afterReseed, (Lines{"cell 0", "cell 1", "cell 2", "cell 3", "cell 4", "cell 5", "cell 6",
                                  "cell 7", "cell 8", "cue AutoLoser"}));
}

TEST(AutomaticLoser, overwritesOnlyTheStopsSoTheRestOfEachStripStays)
{
    BoardGame game(TopRowOfWilds, 0);
    game.state.wheelPos = {3, 3, 3, 3, 3, 3, 3, 3, 3};
    game.play(evaluateSpin(game.context()));
    for (int wheel : {0, 1, 2}) {
        game.state.wheelPos[wheel] = 4;
        EXPECT_EQ(game.state.shownSymbol(wheel), Wild) << "wheel " << wheel;
    }
}

TEST(BellPool, twoBellLinesWithLightningAtOneWinThePoolOnceAndRestartTheCountAtThree)
{
    BoardGame game(boardWith({{0, Bell}, {1, Bell}, {2, Bell}, {3, Bell}, {4, Bell}, {5, Bell}}));
    game.state.lightning = 1;
    std::vector<std::int32_t> lightningDrawn;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "lightning")
            lightningDrawn.push_back(game.state.lightning);
    };
    game.play(evaluateSpin(game.context()));

    EXPECT_EQ(lightningDrawn, (std::vector<std::int32_t>{0, -1, 1, 2, 3}));
    EXPECT_EQ(game.state.lightning, 3);
    EXPECT_EQ(game.state.bellPoolWon, 100);
    EXPECT_EQ(game.state.bellPool, 100);
    EXPECT_EQ(game.state.credits, 1000 + 18 + 18 + 100);
    EXPECT_EQ(cuesOf(game.host), (Lines{"cue BellLine", "cue BellLine", "cue BellPoolWin", "cue BellLine",
                                        "cue BellLine", "cue BellLine", "cue Win", "cue Paid"}));
    const Lines relight = testing::linesAfter(game.host.log, "cue BellPoolWin");
    EXPECT_EQ(Lines(relight.begin(), relight.begin() + 7),
              (Lines{"lightning", "cue BellLine", "lightning", "cue BellLine", "lightning", "cue BellLine",
                     "repaint"}));
}

TEST(BellPool, threeWildsCountAsABellLineButNotAsAFruitLine)
{
    BoardGame game(TopRowOfWilds);
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.linePay[0], 250);
    EXPECT_EQ(game.state.lightning, 2);
    EXPECT_EQ(game.state.melons, 1);
    EXPECT_EQ(game.state.apples, 2);
    EXPECT_EQ(game.state.grapes, 3);
    EXPECT_EQ(game.host.count("pyramid"), 0);
}

TEST(BellPool, aDoubledSpinPaysAPoolOf150As300AndStartsAFreshPool)
{
    BoardGame game(AllBells, 2);
    game.state.bellPool = 150;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.bellPoolWon, 300);
    EXPECT_EQ(game.state.bellPool, 100);
    EXPECT_EQ(game.state.credits, 1000 + 8 * 18 * 2 + 300);
    EXPECT_NE(englishText(game.state.spinReport).find("Won the Bell Pool Worth 300\r\n"), std::string::npos);
}

TEST(BellPool, isNotWonWhileLightningStaysAboveZero)
{
    BoardGame game(boardWith({{0, Bell}, {1, Bell}, {2, Bell}}));
    game.state.lightning = 2;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.lightning, 1);
    EXPECT_EQ(game.state.bellPoolWon, 0);
    EXPECT_EQ(game.host.count("cue BellPoolWin"), 0);
}

TEST(FruitCounters, eachFruitLineCountsDownItsOwnFruit)
{
    BoardGame game(boardWith({{0, Melon},
                              {1, Melon},
                              {2, Melon},
                              {3, Apple},
                              {4, Apple},
                              {5, Apple},
                              {6, Grape},
                              {7, Grape},
                              {8, Grape}}));
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.melons, 0);
    EXPECT_EQ(game.state.apples, 1);
    EXPECT_EQ(game.state.grapes, 2);
    EXPECT_EQ(game.host.count("cue FruitLine"), 3);
    EXPECT_EQ(game.state.freeSpinsPending, 0);
}

TEST(FruitCounters, aFruitLineWhoseCounterIsAtZeroOnlyPays)
{
    BoardGame game(boardWith({{0, Melon}, {1, Melon}, {2, Melon}}));
    game.state.melons = 0;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.melons, 0);
    EXPECT_EQ(game.state.linePay[0], 20);
    EXPECT_EQ(game.host.count("pyramid"), 0);
    EXPECT_EQ(game.host.count("cue FruitLine"), 0);
}

TEST(FruitCounters, theLastGrapeLineRelightsTheIconsOneAtATimeAndEarnsThreeFreeSpins)
{
    BoardGame game(boardWith({{0, Grape}, {1, Grape}, {2, Grape}}));
    game.needOnlyTheLastGrape();
    std::vector<std::array<std::int32_t, 3>> drawn;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "pyramid")
            drawn.push_back({game.state.melons, game.state.apples, game.state.grapes});
    };
    game.play(evaluateSpin(game.context()));

    EXPECT_EQ(drawn, (std::vector<std::array<std::int32_t, 3>>{
                         {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 2, 0}, {1, 2, 1}, {1, 2, 2}, {1, 2, 3}}));
    Lines expected;
    for (int step = 0; step < 7; ++step) {
        expected.push_back("pyramid");
        expected.push_back("cue FruitLine");
    }
    expected.push_back("cue Win");
    expected.push_back("cue Paid");
    EXPECT_EQ(testing::linesStartingWithAny(game.host.log, {"pyramid", "cue "}), expected);
    EXPECT_EQ(game.state.freeSpinsPending, 3);
}

TEST(BonusLamps, theFreeSpinLampAddsOneFreeSpinWithTheAwardCue)
{
    BoardGame game(boardWith({}), 4);
    game.state.freeSpinsPending = 2;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.freeSpinsPending, 3);
    EXPECT_EQ(cuesOf(game.host), Lines{"cue Award"});
}

TEST(BonusLamps, theDoublingLampSetsDoublePayoffWithTheAwardCue)
{
    BoardGame game(boardWith({}), 2);
    game.play(evaluateSpin(game.context()));
    EXPECT_TRUE(game.state.doublePayoff);
    EXPECT_EQ(cuesOf(game.host), Lines{"cue Award"});
}

TEST(BonusLamps, theBonusPoolLampRedrawsThePoolThenPlaysTheAwardCue)
{
    BoardGame game(boardWith({}), 6);
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(testing::linesStartingWithAny(game.host.log, {"bonusPool", "cue "}),
              (Lines{"bonusPool", "cue Award"}));
}

TEST(BonusLamps, oddLampsDoNothing)
{
    for (const int lamp : {1, 3, 5, 7}) {
        BoardGame game(boardWith({}), lamp);
        game.play(evaluateSpin(game.context()));
        EXPECT_EQ(game.host.log.size(), 1u) << "lamp " << lamp; // the reseed alone
        EXPECT_FALSE(game.state.doublePayoff) << "lamp " << lamp;
        EXPECT_EQ(game.state.freeSpinsPending, 0) << "lamp " << lamp;
        EXPECT_EQ(game.state.bellPool, 100) << "lamp " << lamp;
    }
}

TEST(FreeSpinEvaluation, neverCountsBellLinesOrFruitLines)
{
    BoardGame game(boardWith({{0, Wild}, {1, Wild}, {2, Wild}, {3, Grape}, {4, Grape}, {5, Grape}}));
    game.state.freeSpinMode = true;
    game.state.lightning = 0;
    game.state.melons = 0;
    game.state.apples = 0;
    game.state.grapes = 0;
    game.play(evaluateFreeSpin(game.context()));
    EXPECT_EQ(game.state.linePay[0], 100);
    EXPECT_EQ(game.state.linePay[1], 0);
    EXPECT_EQ(game.state.lightning, 0);
    EXPECT_EQ(game.state.grapes, 0);
    EXPECT_EQ(game.state.freeSpinsPending, 0);
    EXPECT_EQ(game.state.bellPoolWon, 0);
    EXPECT_EQ(game.host.count("lightning") + game.host.count("pyramid"), 0);
}

TEST(FreeSpinEvaluation, stillAppliesTheLamps)
{
    BoardGame game(TopRowOfWilds, 2);
    game.state.freeSpinMode = true;
    game.play(evaluateFreeSpin(game.context()));
    EXPECT_EQ(game.state.linePay[0], 200);
    EXPECT_EQ(englishText(game.state.spinReport), "All Winnings Lines are Doubled.\r\nLine 1 paid 200.\r\n");
}

} // namespace
} // namespace zantaro
