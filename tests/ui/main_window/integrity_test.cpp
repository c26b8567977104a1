// SPDX-License-Identifier: GPL-3.0-or-later
// The running game stays whole whatever the player clicks mid-spin and however the game ends:
// commands that change the whole game wait for the spin, closes pay the spin, no window or box is
// opened once the program is closing, and the free-spin label comes back after a series.
#include "game/reels.h"
#include "game/saved_game_store.h"
#include "support/named_cases.h"
#include "support/test_game.h"
#include "ui/dialogs/modal_answers.h"
#include "window_fixture.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// A window whose next spin pays 400 on every line of sevens (one coin a line, eight lines),
// counted off, and which clicks a command once the wheels have turned for half a second.
struct MidSpinFixture : WindowFixture
{
    MidSpinFixture()
    {
        prepare([](GameState& game) {
            game.doubleOn = false;
            game.payMode = true;
        });
        fillStrips(Seven);
        endNextSpinOnLamp(NothingLamp);
    }
    void atHalfASecond(const std::function<void()>& act)
    {
        clock.onWait = [this, act, done = false]() mutable {
            if (!done && clock.tick.count() >= 500) {
                done = true;
                act();
            }
        };
    }
    void spin() { QTest::keyClick(window.get(), Qt::Key_Return); }
    void writeSettings(const QByteArray& text)
    {
        QFile file(settingsFile(QStringLiteral("Zantaro.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST(Integrity, newGameAnsweredYesDuringAWinningSpinStartsAFreshGameAfterTheSpinHasPaid)
{
    MidSpinFixture game;
    game.atHalfASecond([&] {
        answerNextMessageBox(QMessageBox::Yes);
        game.window->runCommand(NewGameCommand);
        EXPECT_EQ(game.state().spins, 1); // the question waits for the spin
    });
    game.spin();

    EXPECT_EQ(game.state().credits, 1000);
    EXPECT_EQ(game.state().spins, 0);
    EXPECT_EQ(game.state().totalBets, 0);
    EXPECT_EQ(game.sound.count(SoundCue::CountStep), 0); // the spin finished at once
    // The old game was stored whole, its spin paid, before the fresh one began.
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("Credits=1392")));
}

TEST(Integrity, loadGameDuringASpinOpensTheStoredGameUntouchedByTheSpin)
{
    MidSpinFixture game;
    game.writeSettings("[GameNo2]\nGameName=Big bets\nCredits=5000\nCoinsPerLine=8\nLinesPlayed=8\nSpins=3\n"
                       "TotalBets=192\n");
    const ModalAnswer openSecondSlot = ModalAnswer::to<QDialog>(
        [](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
    game.atHalfASecond([&] { game.window->runCommand(LoadGameCommand); });
    answerNextMessageBox(QMessageBox::Yes); // the paid spin is in no slot
    game.spin();

    EXPECT_EQ(game.state().credits, 5000);
    EXPECT_EQ(game.state().coinsPerLine, 8);
    EXPECT_EQ(game.state().spins, 3);
    EXPECT_EQ(game.state().totalBets, 192);
    const QString stored = game.readSettingsFile(QStringLiteral("Zantaro.ini"));
    EXPECT_TRUE(stored.contains(QStringLiteral("[CurrentGame]\nGameName=CurrentGame")));
    EXPECT_TRUE(stored.contains(QStringLiteral("Credits=5000\n")));
    EXPECT_FALSE(stored.contains(QStringLiteral("Credits=5400")));
}

// Opening a slot over a game whose progress no slot holds asks first; No keeps the game and the dialog.
struct OpenOverCase : NamedCase
{
    bool savedFirst;
    QMessageBox::StandardButton answer; // NoButton: no question expected
    std::int32_t creditsAfter;
};

class OpeningASlot : public ::testing::TestWithParam<OpenOverCase>
{
};

TEST_P(OpeningASlot, asksOnlyWhenTheRunningGameIsInNoSlot)
{
    const OpenOverCase& c = GetParam();
    MidSpinFixture game;
    game.writeSettings("[GameNo2]\nGameName=Big bets\nCredits=5000\n");
    game.spin();
    if (c.savedFirst)
        game.window->saveLoadGame(0, true, "Mine");
    QString question;
    if (c.answer != QMessageBox::NoButton)
        answerNextMessageBox(c.answer, &question);
    bool stayedOpen = false;
    const ModalAnswer openSecondSlot = ModalAnswer::to<QDialog>([&](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        stayedOpen = dialog.isVisible();
        if (stayedOpen)
            dialog.reject();
    });
    game.window->runCommand(LoadGameCommand);

    EXPECT_EQ(game.state().credits, c.creditsAfter);
    EXPECT_EQ(stayedOpen, c.answer == QMessageBox::No);
    if (c.answer != QMessageBox::NoButton) {
        EXPECT_EQ(question, QStringLiteral("Your current game is not saved. Open this game anyway?"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Questions, OpeningASlot,
    ::testing::Values(OpenOverCase{"anUnsavedGameAnsweredNoStays", false, QMessageBox::No, 1392},
                      OpenOverCase{"anUnsavedGameAnsweredYesIsReplaced", false, QMessageBox::Yes, 5000},
                      OpenOverCase{"aJustSavedGameIsReplacedWithoutAQuestion", true, QMessageBox::NoButton,
                                   5000}),
    caseName);

TEST(Integrity, theToggleAndViewingCommandsActAtOnceDuringASpin)
{
    MidSpinFixture game;
    game.prepare([&](GameState& s) { s.autoSpin = true; });
    game.atHalfASecond([&] {
        game.window->runCommand(SoundCommand);
        game.window->runCommand(AutoSpinCommand);
        EXPECT_FALSE(game.state().sound);
        EXPECT_FALSE(game.state().autoSpin);
    });
    game.spin();
    EXPECT_EQ(game.state().credits, 1392);
}

TEST(Integrity, aCloseWithoutQuestionsStoresTheBetAndLeavesADueReminderForTheNextClose)
{
    MidSpinFixture game;
    game.window->close();
    game.clock.date = game.clock.date.addDays(91);
    game.restart();
    game.window->show();
    QTest::keyClick(game.window.get(), Qt::Key_C);
    const QString reminderBefore = game.readSettingsFile(QStringLiteral("qxupdate.ini"));

    game.window->closeWithoutQuestions();

    EXPECT_FALSE(game.window->isVisible());
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("CoinsPerLine=2")));
    const QString reminder = game.readSettingsFile(QStringLiteral("qxupdate.ini"));
    EXPECT_TRUE(reminder.contains(QStringLiteral("Uses=2")));
    EXPECT_EQ(reminder.section(QStringLiteral("Update="), 1),
              reminderBefore.section(QStringLiteral("Update="), 1));

    game.restart();
    QString question;
    answerNextMessageBox(QMessageBox::No, &question);
    game.window->close();
    EXPECT_EQ(question,
              QStringLiteral(
                  "Zantaro\r\n\r\nVersion: 1.0\r\n\r\nSince it has been over 90 days since you installed "
                  "this program, it is likely that we have a newer version available for free download.  "
                  "Would you like to visit our website to get a newer version of Zantaro?"));
}

TEST(Integrity, aCloseWithoutQuestionsDuringASpinClosesTheOpenMessageBoxAndPaysTheSpin)
{
    MidSpinFixture game;
    game.window->show();
    game.atHalfASecond([&] {
        ++pendingMessageBoxAnswers(); // the box below is closed by the close itself
        QTimer::singleShot(0, game.window.get(), [&] {
            game.window->closeWithoutQuestions();
            --pendingMessageBoxAnswers();
        });
        QMessageBox box(QMessageBox::Information, QString(),
                        QStringLiteral("A box the player has not answered"), QMessageBox::Ok,
                        game.window.get());
        box.exec(); // a box that holds its caller, as a command's dialog does
    });
    game.spin();

    EXPECT_FALSE(game.window->isVisible());
    EXPECT_EQ(game.state().credits, 1392);
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("Credits=1392")));
}

TEST(Integrity, theEndOfTheDesktopSessionDuringASpinFinishesItAtOnceAndStoresThePaidGame)
{
    MidSpinFixture unhurried;
    unhurried.spin();
    MidSpinFixture game;
    game.atHalfASecond([&] { game.window->storeForSessionEnd(); });
    game.spin();

    EXPECT_EQ(game.state().credits, 1392);
    EXPECT_LT(game.clock.tick, unhurried.clock.tick); // no count-off, wheels stopped at once
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("Credits=1392")));
}

TEST(Integrity, theFreeSpinLabelIsDrawnAgainWhenTheSeriesEnds)
{
    MidSpinFixture game;
    game.fillStrips(Grape);
    game.prepare([](GameState& s) {
        s.payMode = false;
        s.melons = 0;
        s.apples = 0;
        s.grapes = 1;
    });
    bool blinked = false;
    game.clock.onWait = [&] {
        if (!blinked && game.state().freeSpinMode) {
            blinked = true;
            game.window->game().blinkFreeSpinCount(); // the count covers the label
        }
    };
    game.spin();
    ASSERT_TRUE(blinked);
    const QRect label(0, 195, 220, 30); // "Win 3 FREE Spins:" on a large screen, at (10, 200)
    const QImage afterSeries = game.window->shownPixels().copy(label);

    game.window->repaintWindow();

    EXPECT_EQ(afterSeries, game.window->shownPixels().copy(label));
}

void spinWithoutABet()
{
    WindowFixture game;
    game.prepare([&](GameState& s) { s.coinsPerLine = 0; });
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    waitForMessageBoxAnswers();
}

TEST(Integrity, aTestThatMeetsAnUnexpectedMessageBoxFailsInsteadOfHanging)
{
    EXPECT_NONFATAL_FAILURE(spinWithoutABet(), "unexpected message box: You must place a bet first.");
}

} // namespace
} // namespace zantaro::testing
