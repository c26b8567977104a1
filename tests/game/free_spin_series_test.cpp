// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reels.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::boardWith;
using testing::clockValueForFinalLamp;
using testing::NothingLamp;
using testing::TestGame;

// A regular spin whose top row collects the last grape, which earns three free spins; the clock
// ends every spin on the lamp without an outcome unless a test says otherwise.
struct LastGrapeGame : TestGame
{
    LastGrapeGame()
    {
        payInstantlyWithoutOffer();
        testing::showOnWheels(state, boardWith({{0, Grape}, {1, Grape}, {2, Grape}}));
        needOnlyTheLastGrape();
        const std::int64_t quiet = clockValueForFinalLamp(NothingLamp);
        host.nextReseeds = {quiet, 0, quiet, quiet, quiet};
    }

    // One snapshot of the game as each free spin starts (when its text blink is switched on).
    struct FreeSpinStart
    {
        std::int32_t credits, pending, barRolls;
        bool freeSpinMode;
        std::array<Strip, WheelCount> strips;
    };
    std::vector<FreeSpinStart> freeSpinStarts;
    std::vector<std::int32_t> creditsShownAtFreeSpinStarts;

    void watchFreeSpinStarts()
    {
        host.onRecord = [this](const std::string& line) {
            if (line == "timer FreeSpinBlink on")
                freeSpinStarts.push_back({state.credits, state.freeSpinsPending, state.numberOfBarRolls,
                                          state.freeSpinMode, state.reelStrips});
            if (line == "readout cleared" && state.freeSpinMode)
                creditsShownAtFreeSpinStarts.push_back(state.credits);
        };
    }
};

TEST(FreeSpinSeries, threeEarnedFreeSpinsArePlayedAtOnceWithinTheSameRequest)
{
    LastGrapeGame game;
    game.watchFreeSpinStarts();
    game.spin();

    EXPECT_EQ(game.host.count("settled"), 4);
    EXPECT_EQ(game.host.count("timer FreeSpinBlink on"), 3);
    EXPECT_EQ(game.host.count("timer LampBlink on"), 1);
    EXPECT_EQ(game.host.count("timer LampBlink off"), 4);
    EXPECT_EQ(game.host.count("timer LineFlash off"), 4);
    EXPECT_EQ(game.host.log.back(), "timer LampBlink on");
    EXPECT_EQ(game.state.numberOfBarRolls, 3);
    EXPECT_EQ(game.state.freeSpinsPending, 0);
    ASSERT_EQ(game.freeSpinStarts.size(), 3u);
    for (std::size_t spin = 0; spin < 3; ++spin) {
        EXPECT_EQ(game.freeSpinStarts[spin].pending, static_cast<std::int32_t>(2 - spin))
            << "free spin " << spin;
        EXPECT_EQ(game.freeSpinStarts[spin].barRolls, static_cast<std::int32_t>(spin + 1))
            << "free spin " << spin;
        EXPECT_TRUE(game.freeSpinStarts[spin].freeSpinMode) << "free spin " << spin;
        EXPECT_EQ(game.freeSpinStarts[spin].strips, freeSpinStrips()) << "free spin " << spin;
    }
}

TEST(FreeSpinSeries, freeSpinsTakeNoBetAndCountNeitherInSpinsNorInTotalBets)
{
    LastGrapeGame game;
    game.watchFreeSpinStarts();
    game.spin();

    EXPECT_EQ(game.state.spins, 1);
    EXPECT_EQ(game.state.totalBets, 8);
    ASSERT_EQ(game.creditsShownAtFreeSpinStarts.size(), 3u);
    for (std::size_t spin = 0; spin < 3; ++spin)
        EXPECT_EQ(game.creditsShownAtFreeSpinStarts[spin], game.freeSpinStarts[spin].credits)
            << "free spin " << spin;
}

TEST(FreeSpinSeries, endsWithTheNormalStripsDueAtTheNextSpin)
{
    LastGrapeGame game;
    std::array<std::int32_t, WheelCount> regularStops{};
    game.host.onRecord = [&](const std::string& line) {
        if (line == "settled" && regularStops == std::array<std::int32_t, WheelCount>{})
            regularStops = game.state.wheelPos;
    };
    game.spin();
    EXPECT_FALSE(game.state.freeSpinMode);
    EXPECT_TRUE(game.state.restoreStrips);
    EXPECT_EQ(game.state.savedWheelPos, regularStops);
}

TEST(FreeSpinSeries, theNextSpinRepaintsTheNormalStripsAtTheSavedStopsBeforeItTakesTheBetAndDraws)
{
    LastGrapeGame game;
    game.spin();
    const auto savedStops = game.state.savedWheelPos;
    game.host.clearLog();
    game.host.nextReseeds = {clockValueForFinalLamp(NothingLamp), 0};
    bool repainted = false;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "repaint" && !repainted) {
            repainted = true;
            EXPECT_EQ(game.state.reelStrips, normalStrips());
            EXPECT_EQ(game.state.wheelPos, savedStops);
            EXPECT_FALSE(game.state.restoreStrips);
        }
    };
    game.spin();

    ASSERT_TRUE(repainted);
    const auto start = testing::linesStartingWithAny(
        game.host.log, {"timer", "lamp", "repaint", "credits", "readout", "wait"});
    EXPECT_EQ(std::vector<std::string>(start.begin(), start.begin() + 7),
              (std::vector<std::string>{"timer LineFlash off", "timer LampBlink off", "lamp 1", "repaint",
                                        "credits", "readout cleared", "wait 25"}));
    EXPECT_EQ(game.state.spins, 2);
}

TEST(FreeSpinSeries, aFreeSpinThatLightsTheFreeSpinLampAddsASpinToTheRunningSeries)
{
    LastGrapeGame game;
    const std::int64_t quiet = clockValueForFinalLamp(NothingLamp);
    game.host.nextReseeds = {quiet, 0, clockValueForFinalLamp(4), quiet, quiet, quiet};
    game.spin();
    EXPECT_EQ(game.state.numberOfBarRolls, 4);
    EXPECT_EQ(game.host.count("settled"), 5);
    EXPECT_EQ(game.host.count("timer FreeSpinBlink on"), 4);
    EXPECT_EQ(game.state.spins, 1);
    EXPECT_FALSE(game.state.freeSpinMode);
}

TEST(FreeSpinSeries, aNewGameDuringAFreeSpinLetsItFinishAndPlaysNoMore)
{
    LastGrapeGame game;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "timer FreeSpinBlink on")
            game.machine.newGame();
    };
    game.spin();
    EXPECT_EQ(game.host.count("timer FreeSpinBlink on"), 1);
    EXPECT_EQ(game.host.count("settled"), 2);
    EXPECT_FALSE(game.state.freeSpinMode);
    EXPECT_TRUE(game.state.restoreStrips);
}

TEST(FreeSpinText, blinksTheCountStillToCome)
{
    TestGame game;
    game.state.freeSpinsPending = 2;
    game.machine.blinkFreeSpinCount();
    game.machine.blinkFreeSpinCount();
    EXPECT_EQ(game.host.log, (std::vector<std::string>{"freeSpinCount lit 2", "freeSpinCount dark 2"}));
}

} // namespace
} // namespace zantaro
