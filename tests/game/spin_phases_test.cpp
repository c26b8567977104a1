// SPDX-License-Identifier: GPL-3.0-or-later
// The spin command as phases in time: a double-or-nothing window left open, commands given
// meanwhile, and what the phase table makes of them.
#include "game/reels.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// A spin whose middle line wins 50 and whose winnings go to a window that stays open.
struct OfferedGame : TestGame
{
    OfferedGame()
    {
        showOnWheels(state, boardWith({{3, Seven}, {4, Seven}, {5, Seven}}));
        state.bonusLamp = NothingLamp;
        state.doubleOn = true;
        state.payMode = false;
        host.playsDoubleOrNothingAtOnce = false;
        host.nextReseeds = {clockValueForFinalLamp(NothingLamp)};
        spin();
    }
};

TEST(SpinPhases, anOpenDoubleOrNothingWindowHoldsTheSpinUntilItAnswers)
{
    OfferedGame game;
    EXPECT_EQ(game.machine.phase(), SpinPhase::OfferingDoubleOrNothing);
    EXPECT_EQ(game.machine.waiting().kind, ScriptWait::Kind::Answer);
    const std::int32_t creditsWhileOpen = game.state.credits;

    game.state.winnings *= 2; // the window doubled them
    game.machine.doubleOrNothingClosed();
    game.playOut();
    EXPECT_EQ(game.machine.phase(), SpinPhase::Idle);
    EXPECT_EQ(game.state.credits, creditsWhileOpen + 100);
    EXPECT_EQ(game.host.count("settled"), 1);
}

TEST(SpinPhases, aWholeGameCommandDuringTheOfferClosesTheWindowAndRunsOnceThePayIsIn)
{
    OfferedGame game;
    const std::int32_t creditsWhileOpen = game.state.credits;
    std::int32_t creditsSeen = -1;
    game.machine.runBetweenSpins([&] { creditsSeen = game.state.credits; });
    EXPECT_EQ(game.host.count("close game"), 1);
    EXPECT_EQ(creditsSeen, -1);

    game.machine.doubleOrNothingClosed(); // the window closed as asked
    game.playOut();
    EXPECT_EQ(creditsSeen, creditsWhileOpen + 50);
}

TEST(SpinPhases, aBetChangeDuringTheSpinIsRefusedWithoutHoldingTheSpinUp)
{
    LosingGame game;
    game.host.synchronousCueLength = std::chrono::milliseconds(700);
    bool pressed = false;
    game.host.onWait = [&] {
        if (!pressed && game.machine.phase() == SpinPhase::Turning) {
            pressed = true;
            game.machine.removeLine();
        }
    };
    game.spin();
    EXPECT_EQ(game.state.linesPlayed, 8);
    EXPECT_EQ(game.host.count("cue Neutral"), 1);
    EXPECT_EQ(game.host.tick.count(), 101 * 25); // the frames ran on as if nothing was pressed
}

} // namespace
} // namespace zantaro::testing
