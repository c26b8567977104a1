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
    EvaluateSpin(game.context());

    const std::array<int, WheelCount> blanks{11, 10, 10, 10, 10, 11, 11, 11, 10};
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(game.state.shownSymbol(wheel), blanks[wheel]) << "wheel " << wheel;
    EXPECT_EQ(game.state.Winnings, 0);
    EXPECT_EQ(game.state.LinePay, (std::array<std::int32_t, PaylineCount>{}));
    EXPECT_EQ(game.state.Lightning, 3);
    EXPECT_EQ(game.state.SpinReport, "Automatic Loser\r\n");
    const Lines afterReseed(game.host.log.begin() + 1, game.host.log.end());
    EXPECT_EQ(afterReseed, (Lines{"cell 0", "cell 1", "cell 2", "cell 3", "cell 4", "cell 5", "cell 6",
                                  "cell 7", "cell 8", "cue AutoLoser"}));
}

TEST(AutomaticLoser, overwritesOnlyTheStopsSoTheRestOfEachStripStays)
{
    BoardGame game(TopRowOfWilds, 0);
    game.state.WheelPos = {3, 3, 3, 3, 3, 3, 3, 3, 3};
    EvaluateSpin(game.context());
    for (int wheel : {0, 1, 2}) {
        game.state.WheelPos[wheel] = 4;
        EXPECT_EQ(game.state.shownSymbol(wheel), Wild) << "wheel " << wheel;
    }
}

TEST(BellPool, twoBellLinesWithLightningAtOneWinThePoolOnceAndRestartTheCountAtThree)
{
    BoardGame game(boardWith({{0, Bell}, {1, Bell}, {2, Bell}, {3, Bell}, {4, Bell}, {5, Bell}}));
    game.state.Lightning = 1;
    std::vector<std::int32_t> lightningDrawn;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "lightning")
            lightningDrawn.push_back(game.state.Lightning);
    };
    EvaluateSpin(game.context());

    EXPECT_EQ(lightningDrawn, (std::vector<std::int32_t>{0, -1, 1, 2, 3}));
    EXPECT_EQ(game.state.Lightning, 3);
    EXPECT_EQ(game.state.BellPoolWon, 100);
    EXPECT_EQ(game.state.BellPool, 100);
    EXPECT_EQ(game.state.Credits, 1000 + 18 + 18 + 100);
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
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.LinePay[0], 250);
    EXPECT_EQ(game.state.Lightning, 2);
    EXPECT_EQ(game.state.Melons, 1);
    EXPECT_EQ(game.state.Apples, 2);
    EXPECT_EQ(game.state.Grapes, 3);
    EXPECT_EQ(game.host.count("pyramid"), 0);
}

TEST(BellPool, aDoubledSpinPaysAPoolOf150As300AndStartsAFreshPool)
{
    BoardGame game(AllBells, 2);
    game.state.BellPool = 150;
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.BellPoolWon, 300);
    EXPECT_EQ(game.state.BellPool, 100);
    EXPECT_EQ(game.state.Credits, 1000 + 8 * 18 * 2 + 300);
    EXPECT_NE(game.state.SpinReport.find("Won the Bell Pool Worth 300\r\n"), std::string::npos);
}

TEST(BellPool, isNotWonWhileLightningStaysAboveZero)
{
    BoardGame game(boardWith({{0, Bell}, {1, Bell}, {2, Bell}}));
    game.state.Lightning = 2;
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.Lightning, 1);
    EXPECT_EQ(game.state.BellPoolWon, 0);
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
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.Melons, 0);
    EXPECT_EQ(game.state.Apples, 1);
    EXPECT_EQ(game.state.Grapes, 2);
    EXPECT_EQ(game.host.count("cue FruitLine"), 3);
    EXPECT_EQ(game.state.FreeSpinsPending, 0);
}

TEST(FruitCounters, aFruitLineWhoseCounterIsAtZeroOnlyPays)
{
    BoardGame game(boardWith({{0, Melon}, {1, Melon}, {2, Melon}}));
    game.state.Melons = 0;
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.Melons, 0);
    EXPECT_EQ(game.state.LinePay[0], 20);
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
            drawn.push_back({game.state.Melons, game.state.Apples, game.state.Grapes});
    };
    EvaluateSpin(game.context());

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
    EXPECT_EQ(game.state.FreeSpinsPending, 3);
}

TEST(BonusLamps, theFreeSpinLampAddsOneFreeSpinWithTheAwardCue)
{
    BoardGame game(boardWith({}), 4);
    game.state.FreeSpinsPending = 2;
    EvaluateSpin(game.context());
    EXPECT_EQ(game.state.FreeSpinsPending, 3);
    EXPECT_EQ(cuesOf(game.host), Lines{"cue Award"});
}

TEST(BonusLamps, theDoublingLampSetsDoublePayoffWithTheAwardCue)
{
    BoardGame game(boardWith({}), 2);
    EvaluateSpin(game.context());
    EXPECT_TRUE(game.state.DoublePayoff);
    EXPECT_EQ(cuesOf(game.host), Lines{"cue Award"});
}

TEST(BonusLamps, theBonusPoolLampRedrawsThePoolThenPlaysTheAwardCue)
{
    BoardGame game(boardWith({}), 6);
    EvaluateSpin(game.context());
    EXPECT_EQ(testing::linesStartingWithAny(game.host.log, {"bonusPool", "cue "}),
              (Lines{"bonusPool", "cue Award"}));
}

TEST(BonusLamps, oddLampsDoNothing)
{
    for (const int lamp : {1, 3, 5, 7}) {
        BoardGame game(boardWith({}), lamp);
        EvaluateSpin(game.context());
        EXPECT_EQ(game.host.log.size(), 1u) << "lamp " << lamp; // the reseed alone
        EXPECT_FALSE(game.state.DoublePayoff) << "lamp " << lamp;
        EXPECT_EQ(game.state.FreeSpinsPending, 0) << "lamp " << lamp;
        EXPECT_EQ(game.state.BellPool, 100) << "lamp " << lamp;
    }
}

TEST(FreeSpinEvaluation, neverCountsBellLinesOrFruitLines)
{
    BoardGame game(boardWith({{0, Wild}, {1, Wild}, {2, Wild}, {3, Grape}, {4, Grape}, {5, Grape}}));
    game.state.FreeSpinMode = true;
    game.state.Lightning = 0;
    game.state.Melons = 0;
    game.state.Apples = 0;
    game.state.Grapes = 0;
    EvaluateFreeSpin(game.context());
    EXPECT_EQ(game.state.LinePay[0], 100);
    EXPECT_EQ(game.state.LinePay[1], 0);
    EXPECT_EQ(game.state.Lightning, 0);
    EXPECT_EQ(game.state.Grapes, 0);
    EXPECT_EQ(game.state.FreeSpinsPending, 0);
    EXPECT_EQ(game.state.BellPoolWon, 0);
    EXPECT_EQ(game.host.count("lightning") + game.host.count("pyramid"), 0);
}

TEST(FreeSpinEvaluation, stillAppliesTheLamps)
{
    BoardGame game(TopRowOfWilds, 2);
    game.state.FreeSpinMode = true;
    EvaluateFreeSpin(game.context());
    EXPECT_EQ(game.state.LinePay[0], 200);
    EXPECT_EQ(game.state.SpinReport, "All Winnings Lines are Doubled.\r\nLine 1 paid 200.\r\n");
}

} // namespace
} // namespace zantaro
