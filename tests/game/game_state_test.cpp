// SPDX-License-Identifier: GPL-3.0-or-later
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
    EXPECT_EQ(state.credits, 1000);
    EXPECT_EQ(state.borrowed, 1000);
    EXPECT_EQ(state.coinsPerLine, 1);
    EXPECT_EQ(state.linesPlayed, 8);
    EXPECT_EQ(state.bellPool, 100);
    EXPECT_EQ(state.lightning, 3);
    EXPECT_EQ(state.melons, 1);
    EXPECT_EQ(state.apples, 2);
    EXPECT_EQ(state.grapes, 3);
    EXPECT_TRUE(state.sound && state.doubleOn && state.payMode && state.autoSave && state.bonusGame);
    EXPECT_FALSE(state.autoSpin || state.spinning || state.stopRequested || state.freeSpinMode ||
                 state.restoreStrips);
    EXPECT_EQ(state.wheelPos, (std::array<std::int32_t, WheelCount>{4, 1, 6, 7, 10, 9, 3, 0, 12}));
    EXPECT_EQ(state.bonusLamp, 0);
    EXPECT_EQ(state.lamps, (std::array<bool, LampCount>{}));
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(state.reelStrips[wheel], stripFromText(NormalStrips[wheel])) << "wheel " << wheel;
    EXPECT_TRUE(state.spinReport.empty());
}

TEST(NewGame, resetsMoneyCountersAndStatisticsButKeepsTheBetTheOptionsAndTheWheels)
{
    TestGame game;
    GameState& state = game.state;
    state.coinsPerLine = 3;
    state.linesPlayed = 5;
    state.sound = false;
    state.doubleOn = false;
    state.payMode = false;
    state.autoSave = false;
    state.bonusGame = false;
    state.autoSpin = true;
    state.credits = 12;
    state.borrowed = 5000;
    state.totalBets = 777;
    state.bellPool = 321;
    state.lightning = 1;
    state.melons = 0;
    state.apples = 0;
    state.grapes = 2;
    state.freeSpinsPending = 2;
    for (std::int32_t* counter :
         {&state.spins, &state.numberOfBarRolls, &state.barRollWon, &state.bellPoolWon,
          &state.doubleOrNothingWon, &state.cherryRollsWon, &state.numberOfCherryRolls, &state.gotBonusCount,
          &state.sevensWon, &state.fruitWon})
        *counter = 9;
    state.wheelPos = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    state.winnings = 40;
    state.spinReport = {{MessageId::LinePaid, 1, 40}};
    game.machine.newGame();

    EXPECT_EQ(state.coinsPerLine, 3);
    EXPECT_EQ(state.linesPlayed, 5);
    EXPECT_FALSE(state.sound || state.doubleOn || state.payMode || state.autoSave || state.bonusGame);
    EXPECT_TRUE(state.autoSpin);
    EXPECT_EQ(state.credits, 1000);
    EXPECT_EQ(state.borrowed, 1000);
    EXPECT_EQ(state.totalBets, 0);
    EXPECT_EQ(state.bellPool, 100);
    EXPECT_EQ(state.lightning, 3);
    EXPECT_EQ(state.melons, 1);
    EXPECT_EQ(state.apples, 2);
    EXPECT_EQ(state.grapes, 3);
    EXPECT_EQ(state.freeSpinsPending, 0);
    for (const std::int32_t counter :
         {state.spins, state.numberOfBarRolls, state.barRollWon, state.bellPoolWon, state.doubleOrNothingWon,
          state.cherryRollsWon, state.numberOfCherryRolls, state.gotBonusCount, state.sevensWon,
          state.fruitWon})
        EXPECT_EQ(counter, 0);
    EXPECT_EQ(state.wheelPos, (std::array<std::int32_t, WheelCount>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(state.winnings, 40);
    EXPECT_EQ(englishText(state.spinReport), "Line 1 paid 40.\r\n");
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
    for (const Case& c :
         {Case{lowest + 5, -5, lowest}, Case{lowest + 5, -6, lowest}, Case{lowest, -64, lowest},
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

    game.state.autoSpin = true;
    bool queued = false;
    game.host.onWait = [&] {
        if (!queued) {
            queued = true;
            game.machine.runBetweenSpins([&] {
                ++runs;
                EXPECT_FALSE(game.machine.isSpinRequestRunning());
                EXPECT_FALSE(game.state.spinning);
            });
            EXPECT_EQ(runs, 1);
        }
    };
    game.spin();
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(game.state.autoSpin);
    EXPECT_EQ(game.state.spins, 1);
    EXPECT_LT(game.host.tick.count(), 101 * 25); // the wheels stopped at once

    game.host.onWait = nullptr;
    const auto before = game.host.tick;
    game.spin(); // the next spin turns its wheels in full again
    EXPECT_GE((game.host.tick - before).count(), 101 * 25);
}

} // namespace
} // namespace zantaro
