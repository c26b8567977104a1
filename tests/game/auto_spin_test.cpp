// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::LosingGame;
using Lines = std::vector<std::string>;

// Ends auto spin once the given number of spins has been evaluated.
void stopAutoSpinAfter(LosingGame& game, int spins)
{
    game.host.onRecord = [&game, spins, settled = 0](const std::string& line) mutable {
        if (line == "settled" && ++settled == spins)
            game.state.autoSpin = false;
    };
}

Lines spinsSavesAndPauses(const testing::RecordingHost& host)
{
    return testing::linesStartingWithAny(host.log, {"settled", "save", "wait 500"});
}

struct AutoSaveCase : testing::NamedCase
{
    std::int32_t spinsBefore;
    bool autoSave;
    int spins;
    Lines expected;
};

class AutoSave : public ::testing::TestWithParam<AutoSaveCase>
{
};

TEST_P(AutoSave, savesBeforeThePauseThatFollowsASpinBringingSpinsToAMultipleOf25)
{
    const AutoSaveCase& c = GetParam();
    LosingGame game(c.spins);
    game.state.spins = c.spinsBefore;
    game.state.autoSave = c.autoSave;
    game.state.autoSpin = true;
    stopAutoSpinAfter(game, c.spins);
    game.spin();
    EXPECT_EQ(spinsSavesAndPauses(game.host), c.expected);
    EXPECT_EQ(game.state.spins, c.spinsBefore + c.spins);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, AutoSave,
    ::testing::Values(
        AutoSaveCase{"rightAfterTheFirstSpinFrom24", 24, true, 2, {"settled", "save", "wait 500", "settled"}},
        AutoSaveCase{"afterTheSecondSpinFrom23",
                     23,
                     true,
                     3,
                     {"settled", "wait 500", "settled", "save", "wait 500", "settled"}},
        AutoSaveCase{"notWhenTheLastSpinReaches25", 24, true, 1, {"settled"}},
        AutoSaveCase{"notFromZero", 0, true, 2, {"settled", "wait 500", "settled"}},
        AutoSaveCase{"neverWithAutoSaveOff", 24, false, 2, {"settled", "wait 500", "settled"}}),
    testing::caseName);

struct SwitchOffCase : testing::NamedCase
{
    bool duringThePause; // otherwise during the first spin's animation
    std::int32_t spins;
    int pauses;
};

class AutoSpinSwitchedOff : public ::testing::TestWithParam<SwitchOffCase>
{
};

TEST_P(AutoSpinSwitchedOff, endsTheLoopAfterTheNextSpin)
{
    const SwitchOffCase& c = GetParam();
    LosingGame game(3);
    game.state.autoSpin = true;
    game.host.onWait = [&] {
        const bool inPause = game.host.log.back() == "wait 500";
        if (c.duringThePause ? inPause : game.host.tick > std::chrono::milliseconds(1000))
            game.state.autoSpin = false;
    };
    game.spin();
    EXPECT_EQ(game.state.spins, c.spins);
    EXPECT_EQ(game.host.count("wait 500"), c.pauses);
}

INSTANTIATE_TEST_SUITE_P(Moments, AutoSpinSwitchedOff,
                         ::testing::Values(SwitchOffCase{"duringASpinWhichIsTheLast", false, 1, 0},
                                           SwitchOffCase{"duringThePauseWhoseSpinStillRuns", true, 2, 1}),
                         testing::caseName);

TEST(AutoSpin, neitherFlashesThePayingLinesNorBlinksTheLampBetweenSpins)
{
    LosingGame game(3);
    testing::showOnWheels(game.state, testing::boardWith({{2, Cherry}}));
    game.state.autoSpin = true;
    stopAutoSpinAfter(game, 3);
    game.spin();
    EXPECT_EQ(game.state.credits, 1000 - 3 * 8 + 3 * 1);
    EXPECT_EQ(game.host.count("timer LineFlash on"), 0);
    EXPECT_EQ(game.host.count("timer LampBlink on"), 1);
    EXPECT_EQ(game.host.log.back(), "timer LampBlink on");
}

TEST(AutoSpin, waitsForTheDoubleOrNothingWindowOfEveryWinningSpin)
{
    LosingGame game(2);
    testing::showOnWheels(game.state, testing::boardWith({{2, Cherry}}));
    game.state.doubleOn = true;
    game.state.autoSpin = true;
    stopAutoSpinAfter(game, 2);
    game.spin();
    EXPECT_EQ(testing::linesStartingWithAny(game.host.log, {"game", "settled", "wait 500"}),
              (Lines{"game Pyramid", "settled", "wait 500", "game Pyramid", "settled"}));
}

TEST(AutoSpin, endsWhenTheCreditsNoLongerCoverTheBet)
{
    LosingGame game(2);
    game.state.credits = 8;
    game.state.autoSpin = true;
    game.spin();
    const Lines end(game.host.log.end() - 6, game.host.log.end());
    EXPECT_EQ(end, (Lines{"settled", "timer FreeSpinBlink off", "wait 500",
                          "message You do not have enough credits for that bet,", "captions",
                          "timer LampBlink on"}));
    EXPECT_FALSE(game.state.autoSpin);
    EXPECT_EQ(game.state.spins, 1);
}

TEST(AutoSpin, ignoresASpinRequestDuringThePause)
{
    LosingGame game(3);
    game.state.autoSpin = true;
    stopAutoSpinAfter(game, 2);
    game.host.onWait = [&] {
        if (game.host.log.back() == "wait 500")
            game.machine.requestSpin();
    };
    game.spin();
    EXPECT_EQ(game.state.spins, 2);
}

} // namespace
} // namespace zantaro
