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

TEST(Game, aStopRequestReachesTheRunningSpinOnly)
{
    GameFixture fixture;
    fixture.host.onWait = [&] { fixture.game.requestStop(); };
    fixture.game.requestSpin();
    EXPECT_LT(fixture.host.tick.count(), 101 * 25); // the wheels stopped early
    EXPECT_EQ(fixture.game.state().spins, 1);
}

} // namespace
} // namespace zantaro::testing
