// SPDX-License-Identifier: GPL-3.0-or-later
// The owner of the running game headless: its commands change the game, reading a slot does not.
#include "game/game.h"
#include "support/memory_file_access.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

const CalendarDate Today{2026, 12, 8};

struct GameFixture
{
    RecordingHost host;
    Game game{host};
    MemoryFileAccess files;
    SavedGameStore store{files, "Zantaro.ini"};

    // A spin command played to its end, each wait passed on the host's clock.
    void spin()
    {
        game.requestSpin();
        while (game.isSpinRequestRunning()) {
            host.passWait(game.waiting());
            game.advance(host.tick);
        }
    }
};

TEST(Game, theTogglesFlipTheirOptionAndNothingElse)
{
    GameFixture fixture;
    const struct
    {
        GameOption option;
        bool GameState::*flag;
    } toggles[] = {{GameOption::Sound, &GameState::sound},
                   {GameOption::Double, &GameState::doubleOn},
                   {GameOption::PayMode, &GameState::payMode},
                   {GameOption::AutoSpin, &GameState::autoSpin}};
    for (const auto& toggle : toggles) {
        const GameState before = fixture.game.state();
        fixture.game.toggle(toggle.option);
        EXPECT_NE(fixture.game.state().*toggle.flag, before.*toggle.flag);
        for (const auto& other : toggles) {
            if (other.flag != toggle.flag) {
                EXPECT_EQ(fixture.game.state().*other.flag, before.*other.flag);
            }
        }
    }
}

TEST(Game, readingASlotLeavesTheRunningGameWhileOpeningItMakesItTheRunningOne)
{
    GameFixture fixture;
    fixture.game.moveCredits(BorrowMode::Borrow, 100);
    fixture.game.storeSlot(fixture.store, 2, "Saved", Today);
    fixture.game.moveCredits(BorrowMode::PayBack, 10);
    ASSERT_EQ(fixture.game.state().credits, 1090);

    const GameState read = fixture.game.readSlot(fixture.store, 2, Today);
    EXPECT_EQ(read.credits, 1100);
    EXPECT_EQ(read.gameName, "Saved");
    EXPECT_EQ(fixture.game.state().credits, 1090);

    fixture.game.openSlot(fixture.store, 2, Today);
    EXPECT_EQ(fixture.game.state().credits, 1100);
    EXPECT_EQ(fixture.game.state().borrowed, 1100);
}

TEST(Game, openingASlotEndsTheLastSpinsLineFlashAndReadout)
{
    GameFixture fixture;
    GameState won = fixture.game.state();
    won.firstWinningLine = 2;
    won.winnings = 60;
    fixture.game.open(won);
    fixture.game.storeSlot(fixture.store, 0, "Saved", Today);
    fixture.host.clearLog();

    fixture.game.openSlot(fixture.store, 0, Today);
    EXPECT_EQ(fixture.host.log, (std::vector<std::string>{"timer LineFlash off", "readout cleared"}));
    fixture.game.flashWinningLine(); // a tick already queued draws nothing
    EXPECT_EQ(fixture.host.linesStartingWith("highlight").size(), 0u);
}

TEST(Game, itsProgressIsKeptWhileFreshOrWhileASlotHoldsIt)
{
    GameFixture fixture;
    EXPECT_TRUE(fixture.game.progressIsKept(fixture.store, Today)); // a fresh game has nothing to lose
    fixture.game.addCoin();
    EXPECT_TRUE(fixture.game.progressIsKept(fixture.store, Today)); // the bet is no progress
    fixture.game.moveCredits(BorrowMode::Borrow, 100);
    EXPECT_FALSE(fixture.game.progressIsKept(fixture.store, Today));
    fixture.game.storeSlot(fixture.store, 5, "Saved", Today);
    EXPECT_TRUE(fixture.game.progressIsKept(fixture.store, Today));
    fixture.spin();
    EXPECT_FALSE(fixture.game.progressIsKept(fixture.store, Today));
    fixture.game.openSlot(fixture.store, 5, Today);
    EXPECT_TRUE(fixture.game.progressIsKept(fixture.store, Today));
}

TEST(Game, aStopRequestReachesTheRunningSpinOnly)
{
    GameFixture fixture;
    fixture.host.onWait = [&] { fixture.game.requestStop(); };
    fixture.spin();
    EXPECT_LT(fixture.host.tick.count(), 101 * 25); // the wheels stopped early
    EXPECT_EQ(fixture.game.state().spins, 1);
}

} // namespace
} // namespace zantaro::testing
