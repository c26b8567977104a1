#include "game/reels.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::TestGame;

TEST(StartupState, isANewGameOnTheNormalStripsWithEveryOptionOn)
{
    const GameState state = startupGameState();
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.CoinsPerLine, 1);
    EXPECT_EQ(state.LinesPlayed, 8);
    EXPECT_EQ(state.BellPool, 100);
    EXPECT_EQ(state.Lightning, 3);
    EXPECT_EQ(state.Melons, 1);
    EXPECT_EQ(state.Apples, 2);
    EXPECT_EQ(state.Grapes, 3);
    EXPECT_TRUE(state.Sound && state.Double && state.PayMode && state.AutoSave && state.BonusGame);
    EXPECT_FALSE(state.AutoSpin || state.Spinning || state.StopRequested || state.FreeSpinMode ||
                 state.RestoreStrips);
    EXPECT_EQ(state.WheelPos, (std::array<std::int32_t, WheelCount>{4, 1, 6, 7, 10, 9, 3, 0, 12}));
    EXPECT_EQ(state.BonusLamp, 0);
    EXPECT_EQ(state.Lamps, (std::array<bool, LampCount>{}));
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(state.ReelStrips[wheel], stripFromText(NormalStrips[wheel])) << "wheel " << wheel;
    EXPECT_TRUE(state.SpinReport.empty());
}

TEST(NewGame, resetsMoneyCountersAndStatisticsButKeepsTheBetTheOptionsAndTheWheels)
{
    TestGame game;
    GameState& state = game.state;
    state.CoinsPerLine = 3;
    state.LinesPlayed = 5;
    state.Sound = false;
    state.Double = false;
    state.PayMode = false;
    state.AutoSave = false;
    state.BonusGame = false;
    state.AutoSpin = true;
    state.Credits = 12;
    state.Borrowed = 5000;
    state.TotalBets = 777;
    state.BellPool = 321;
    state.Lightning = 1;
    state.Melons = 0;
    state.Apples = 0;
    state.Grapes = 2;
    state.FreeSpinsPending = 2;
    for (std::int32_t* counter :
         {&state.Spins, &state.NumberOfBarRolls, &state.BarRollWon, &state.BellPoolWon,
          &state.DoubleOrNothingWon, &state.CherryRollsWon, &state.NumberOfCherryRolls, &state.GotBonusCount,
          &state.SevensWon, &state.FruitWon})
        *counter = 9;
    state.WheelPos = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    state.Winnings = 40;
    state.SpinReport = "Line 1 paid 40.\r\n";
    game.machine.newGame();

    EXPECT_EQ(state.CoinsPerLine, 3);
    EXPECT_EQ(state.LinesPlayed, 5);
    EXPECT_FALSE(state.Sound || state.Double || state.PayMode || state.AutoSave || state.BonusGame);
    EXPECT_TRUE(state.AutoSpin);
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.TotalBets, 0);
    EXPECT_EQ(state.BellPool, 100);
    EXPECT_EQ(state.Lightning, 3);
    EXPECT_EQ(state.Melons, 1);
    EXPECT_EQ(state.Apples, 2);
    EXPECT_EQ(state.Grapes, 3);
    EXPECT_EQ(state.FreeSpinsPending, 0);
    for (const std::int32_t counter :
         {state.Spins, state.NumberOfBarRolls, state.BarRollWon, state.BellPoolWon, state.DoubleOrNothingWon,
          state.CherryRollsWon, state.NumberOfCherryRolls, state.GotBonusCount, state.SevensWon,
          state.FruitWon})
        EXPECT_EQ(counter, 0);
    EXPECT_EQ(state.WheelPos, (std::array<std::int32_t, WheelCount>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(state.Winnings, 40);
    EXPECT_EQ(state.SpinReport, "Line 1 paid 40.\r\n");
    EXPECT_EQ(game.host.log, std::vector<std::string>{"repaint"});
}

} // namespace
} // namespace zantaro
