// SPDX-License-Identifier: GPL-3.0-or-later
// The two game windows opened modally by the payout's double-or-nothing loop, the way the main
// window opens them: switching between the games, and the amount finally paid.
#include "game/payout.h"
#include "game_on_host.h"
#include "manual_hold_timer.h"
#include "modal_windows.h"
#include "support/recording_host.h"
#include "ui/card_game/card_game_window.h"
#include "ui/pyramid/pyramid_square.h"
#include "ui/pyramid/pyramid_window.h"
#include "window_lookup.h"

#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <limits>

namespace zantaro::testing {
namespace {

constexpr std::int64_t PyramidClock = 1014; // "Lose" behind square 2
constexpr std::int64_t CardClock = 1001;    // the joker in slot 9

// The holds of the game window open now, which the player's moves pass at once.
ManualHoldTimer* windowHolds = nullptr;

void passHolds()
{
    while (windowHolds->holding())
        windowHolds->elapse();
}

struct DoubleOrNothingLoopTest : ::testing::Test, GameOnHost<RecordingHost>
{
    // What the player does in each window the loop opens, in turn.
    std::deque<std::function<void(QWidget*)>> player;

    DoubleOrNothingLoopTest()
    {
        state.doubleOn = true;
        state.payMode = false; // paid at once, so the test sees Credits without the count-off
        state.credits = 1000;
        host.onDoubleOrNothing = [this](DoubleOrNothingGame game) {
            host.clockValue = game == DoubleOrNothingGame::Pyramid ? PyramidClock : CardClock;
            host.reseeds = 0;
            whenModalOpens(next());
            ManualHolds holds;
            windowHolds = holds.timer;
            if (game == DoubleOrNothingGame::Pyramid) {
                PyramidWindow window(context, nullptr, std::move(holds.owned));
                window.exec();
            } else {
                CardGameWindow window(
                    context, [](int) {}, nullptr, std::move(holds.owned));
                window.exec();
            }
        };
    }

    std::function<void(QWidget*)> next()
    {
        std::function<void(QWidget*)> act = player.front();
        player.pop_front();
        return act;
    }

    void playWinnings(std::int32_t winnings)
    {
        state.winnings = winnings;
        std::int32_t paid = 0;
        Script payout = presentAndPayWinnings(context, PayTable::Regular, paid);
        payout.start(); // paid at once, and cues hold nothing here: no wait to pass
        ASSERT_TRUE(payout.done());
    }
};

void press(QWidget* window, const char* button)
{
    QTest::mouseClick(buttonLabelled(window, button), Qt::LeftButton);
}

void openSquare(QWidget* window, int square)
{
    QTest::mouseClick(static_cast<PyramidWindow*>(window)->square(square), Qt::LeftButton);
    passHolds();
}

void turnCard(QWidget* window, int slot)
{
    const TablePoint at = cardPosition(slot);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(at.x + 30, at.y + 40));
    passHolds();
}

TEST_F(DoubleOrNothingLoopTest, theCardGameButtonOpensTheCardTableOnTheSameWinnings)
{
    state.bonusGame = true;
    std::int32_t winningsAtTable = 0;
    player.push_back([](QWidget* pyramid) {
        openSquare(pyramid, 8); // 2X
        press(pyramid, "&Card Game");
    });
    player.push_back([&](QWidget* table) {
        winningsAtTable = state.winnings;
        press(table, "&OK");
    });
    playWinnings(10);
    EXPECT_EQ(host.linesStartingWith("game"), (std::vector<std::string>{"game Pyramid", "game CardGame"}));
    EXPECT_EQ(winningsAtTable, 20);
    EXPECT_FALSE(state.bonusGame);
    EXPECT_EQ(state.credits, 1020);
    EXPECT_EQ(state.doubleOrNothingWon, 10);
}

TEST_F(DoubleOrNothingLoopTest, theCardGameButtonAfterALossEndsTheOfferAndOnlyChoosesTheGame)
{
    state.bonusGame = true;
    player.push_back([](QWidget* pyramid) {
        openSquare(pyramid, 2); // Lose
        press(pyramid, "&Card Game");
    });
    playWinnings(10);
    EXPECT_EQ(host.linesStartingWith("game"), std::vector<std::string>{"game Pyramid"});
    EXPECT_FALSE(state.bonusGame);
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.credits, 1000);
    EXPECT_EQ(host.count("cue Paid"), 0);
    EXPECT_EQ(state.doubleOrNothingWon, -10);
}

TEST_F(DoubleOrNothingLoopTest, thePyramidButtonOfTheCardTableOpensThePyramid)
{
    state.bonusGame = false;
    player.push_back([](QWidget* table) { press(table, "&Pyramid"); });
    player.push_back([](QWidget* pyramid) { press(pyramid, "&OK"); });
    playWinnings(10);
    EXPECT_EQ(host.linesStartingWith("game"), (std::vector<std::string>{"game CardGame", "game Pyramid"}));
    EXPECT_TRUE(state.bonusGame);
    EXPECT_EQ(state.credits, 1010);
}

TEST_F(DoubleOrNothingLoopTest, aJokerOnHugeWinningsPaysTheLargestAmountNotAWrappedOne)
{
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    state.bonusGame = false;
    player.push_back([](QWidget* table) {
        turnCard(table, 9);
        press(table, "&OK");
    });
    playWinnings(1'000'000'000);
    EXPECT_EQ(state.credits, largest);
    EXPECT_EQ(state.doubleOrNothingWon, largest - 1'000'000'000);
}

} // namespace
} // namespace zantaro::testing
