#include "game/reels.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <limits>

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

// Money and counters stop at the 32-bit limits, at both ends, instead of wrapping.
TEST(AddSaturated, stopsAtTheLimitsOfA32BitField)
{
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    struct Case
    {
        std::int32_t field;
        std::int64_t amount;
        std::int32_t sum;
    };
    for (const Case& c : {Case{lowest + 5, -5, lowest}, Case{lowest + 5, -6, lowest}, Case{lowest, -64, lowest},
                          Case{-10, -std::int64_t{1} << 40, lowest}, Case{highest - 1, 1, highest},
                          Case{highest, 64, highest}, Case{lowest, highest, -1}, Case{100, -164, -64}}) {
        std::int32_t field = c.field;
        addSaturated(field, c.amount);
        EXPECT_EQ(field, c.sum) << c.field << " + " << c.amount;
    }
}

// Commands that change the whole game wait for the spin command under way.
TEST(RunBetweenSpins, runsAtOnceBetweenSpinsAndAfterTheSpinCommandDuringOne)
{
    TestGame game;
    int runs = 0;
    game.machine.runBetweenSpins([&] { ++runs; });
    EXPECT_EQ(runs, 1);

    game.state.AutoSpin = true;
    bool queued = false;
    game.host.onWait = [&] {
        if (!queued) {
            queued = true;
            game.machine.runBetweenSpins([&] {
                ++runs;
                EXPECT_FALSE(game.machine.isSpinRequestRunning());
                EXPECT_FALSE(game.state.Spinning);
            });
            EXPECT_EQ(runs, 1);
        }
    };
    game.machine.RequestSpin();
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(game.state.AutoSpin);
    EXPECT_EQ(game.state.Spins, 1);
    EXPECT_LT(game.host.tick.count(), 101 * 25); // the wheels stopped at once

    game.host.onWait = nullptr;
    const auto before = game.host.tick;
    game.machine.RequestSpin(); // the next spin turns its wheels in full again
    EXPECT_GE((game.host.tick - before).count(), 101 * 25);
}

} // namespace
} // namespace zantaro
