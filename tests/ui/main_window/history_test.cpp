// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the running game in the main window: kept across a restart, emptied by a new
// game, and opened with the key H.
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"
#include "ui/dialogs/game_slot_dialog.h"
#include "ui/dialogs/modal_answers.h"
#include "ui/history/history_window.h"
#include "ui/main_window/command_strip.h"
#include "window_fixture.h"

#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// A window whose spins end on the plain lamp with sevens on every wheel, paid at once.
struct SevensFixture : WindowFixture
{
    SevensFixture()
    {
        prepare([](GameState& game) {
            game.doubleOn = false;
            game.payMode = false;
        });
        fillStrips(Seven);
        endNextSpinOnLamp(NothingLamp);
    }
    const GameHistory& history() { return window->game().history(); }
};

TEST(MainWindowHistory, aPaidSpinIsStillRecalledAfterARestart)
{
    SevensFixture game;
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    ASSERT_EQ(game.history().recalls().size(), 1u);
    EXPECT_EQ(game.history().recalls().back().creditsAfter, game.state().credits);
    const GameHistory played = game.history();

    game.restart();
    EXPECT_EQ(game.history(), played);
}

TEST(MainWindowHistory, aNewGameEmptiesTheHistoryAndItsFile)
{
    SevensFixture game;
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    answerNextMessageBox(QMessageBox::Yes);
    game.window->runCommand(NewGameCommand);
    EXPECT_EQ(game.history(), GameHistory{});
    game.restart();
    EXPECT_EQ(game.history(), GameHistory{});
}

// The game-slot dialog opened by a command and left by one of its buttons.
struct SlotDialogCase : NamedCase
{
    int command;
    const char* button; // the object name of the button that closes the dialog
    bool historyKept;
};

class SlotDialogHistory : public ::testing::TestWithParam<SlotDialogCase>
{
};

TEST_P(SlotDialogHistory, emptiesTheHistoryOnlyWhenASlotIsOpened)
{
    const SlotDialogCase& c = GetParam();
    SevensFixture game;
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    const GameHistory played = game.history();
    const auto confirmName = ModalAnswer::to<QInputDialog>([](QInputDialog& box) { box.accept(); });
    if (!c.historyKept)
        answerNextMessageBox(QMessageBox::Yes); // opening over the spin just played asks first
    const auto close = ModalAnswer::to<GameSlotDialog>(
        [&](GameSlotDialog& dialog) { dialog.findChild<QPushButton*>(QLatin1String(c.button))->click(); });
    game.window->runCommand(c.command);
    EXPECT_EQ(game.history(), c.historyKept ? played : GameHistory{});
    game.restart();
    EXPECT_EQ(game.history(), c.historyKept ? played : GameHistory{});
}

INSTANTIATE_TEST_SUITE_P(Buttons, SlotDialogHistory,
                         ::testing::Values(SlotDialogCase{"openingASlot", LoadGameCommand, "OKBtn", false},
                                           SlotDialogCase{"cancellingTheOpen", LoadGameCommand, "CancelBtn",
                                                          true},
                                           SlotDialogCase{"savingIntoASlot", SaveGameCommand, "OKBtn", true}),
                         caseName);

TEST(MainWindowHistory, theKeyHOpensTheHistoryWindowBetweenSpinsOnly)
{
    SevensFixture game;
    int opened = 0;
    const auto answer = ModalAnswer::to<HistoryWindow>([&](HistoryWindow& window) {
        ++opened;
        window.accept();
    });
    bool pressedMidSpin = false;
    game.clock.onWait = [&] {
        if (!pressedMidSpin && game.state().spinning) {
            pressedMidSpin = true;
            QTest::keyClick(game.window.get(), Qt::Key_H);
        }
    };
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    ASSERT_TRUE(pressedMidSpin);
    EXPECT_EQ(opened, 0);
    QTest::keyClick(game.window.get(), Qt::Key_H);
    answer.waitUntilAnswered();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace zantaro::testing
