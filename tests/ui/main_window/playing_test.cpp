// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reels.h"
#include "game/saved_game_store.h"
#include "support/test_game.h"
#include "ui/dialogs/modal_answers.h"
#include "window_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

QPoint centreOf(const HitRect& rect)
{
    return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// A window whose next spin ends on the given lamp; bonus features stay out of the way unless a
// test sets the wheels up for them.
struct PlayingFixture : WindowFixture
{
    PlayingFixture()
    {
        prepare([](GameState& game) {
            game.doubleOn = false;
            game.payMode = false;
        });
    }
    void click(const HitRect& rect) { clickLayout(centreOf(rect)); }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key); }
};

TEST(Playing, aClickOnTheSpinButtonTakesTheBetAndTurnsTheWheelsFor101Frames)
{
    PlayingFixture game;
    game.fillStrips(BlankL);
    game.endNextSpinOnLamp(NothingLamp);
    game.click(game.window->layout().spinRect);
    EXPECT_EQ(game.state().spins, 1);
    EXPECT_EQ(game.state().totalBets, 8);
    EXPECT_EQ(game.clock.tick.count(), 101 * 25);
    EXPECT_EQ(game.sound.count(SoundCue::Click), 9);
    EXPECT_FALSE(game.state().spinning);
    EXPECT_TRUE(game.window->isTimerActive(GameTimer::LampBlink));
}

TEST(Playing, theEnterKeySpinsAndSpaceStopsTheWheelsEarlyWithoutChangingTheStops)
{
    PlayingFixture full;
    full.endNextSpinOnLamp(NothingLamp);
    full.press(Qt::Key_Return);

    PlayingFixture stopped;
    stopped.endNextSpinOnLamp(NothingLamp);
    bool pressed = false;
    stopped.clock.onWait = [&] {
        if (!pressed && stopped.clock.tick.count() >= 760) {
            pressed = true;
            stopped.press(Qt::Key_Space);
        }
    };
    stopped.press(Qt::Key_Return);
    EXPECT_EQ(stopped.state().wheelPos, full.state().wheelPos);
    EXPECT_EQ(stopped.clock.tick.count(), 775 + 9 * 20);
    EXPECT_EQ(stopped.state().spins, 1);
}

TEST(Playing, aClickOnTheStopButtonMidSpinFinishesTheWheelsAtOnce)
{
    PlayingFixture game;
    game.fillStrips(BlankL);
    game.endNextSpinOnLamp(NothingLamp);
    bool clicked = false;
    game.clock.onWait = [&] {
        if (!clicked && game.clock.tick.count() >= 1000) {
            clicked = true;
            game.click(game.window->layout().stopRect);
        }
    };
    game.click(game.window->layout().spinRect);
    // Seen at frame 41: wheels 0 to 2 had stopped, and wheel 2, still bouncing, stops again with the
    // six that were turning, in nine stages of 20 ms (a lamp cue may follow: the lamp stopped early).
    EXPECT_LT(game.clock.tick.count(), 101 * 25);
    EXPECT_EQ(game.sound.count(SoundCue::Click), 3 + 7);
}

TEST(Playing, keysAndAdjustersChangeTheBetWithinItsLimits)
{
    PlayingFixture game;
    game.press(Qt::Key_C);
    EXPECT_EQ(game.state().coinsPerLine, 2);
    game.press(Qt::Key_X);
    game.press(Qt::Key_X);
    EXPECT_EQ(game.state().coinsPerLine, 0);
    game.press(Qt::Key_X); // refused at 0
    EXPECT_EQ(game.sound.count(SoundCue::Neutral), 1);
    game.press(Qt::Key_K);
    EXPECT_EQ(game.state().linesPlayed, 7);
    game.press(Qt::Key_L);
    game.press(Qt::Key_L); // refused at 8
    EXPECT_EQ(game.state().linesPlayed, 8);
    EXPECT_EQ(game.sound.count(SoundCue::Neutral), 2);

    const WindowLayout& layout = game.window->layout();
    game.click(layout.coinsPlusRect);
    EXPECT_EQ(game.state().coinsPerLine, 1);
    game.click(layout.linesMinusRect);
    EXPECT_EQ(game.state().linesPlayed, 7);
    game.click(layout.coinsMinusRect);
    EXPECT_EQ(game.state().coinsPerLine, 0);
    game.click(layout.linesPlusRect);
    EXPECT_EQ(game.state().linesPlayed, 8);
    // The right and bottom edges still count; the gap before the minus half does not.
    game.clickLayout(QPoint(layout.coinsPlusRect.right, layout.coinsPlusRect.bottom));
    EXPECT_EQ(game.state().coinsPerLine, 1);
    game.clickLayout(QPoint(layout.coinsPlusRect.right + 3, layout.coinsPlusRect.top));
    EXPECT_EQ(game.state().coinsPerLine, 1);
}

TEST(Playing, betsThatCannotBePlayedAreRefusedWithTheirMessages)
{
    PlayingFixture game;
    game.prepare([&](GameState& s) { s.coinsPerLine = 0; });
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    game.press(Qt::Key_Return);
    waitForMessageBoxAnswers();
    EXPECT_EQ(text, QStringLiteral("You must place a bet first."));

    game.prepare([&](GameState& s) {
        s.coinsPerLine = 8;
        s.credits = 63;
    });
    answerNextMessageBox(QMessageBox::Ok, &text);
    game.click(game.window->layout().spinRect);
    waitForMessageBoxAnswers();
    EXPECT_EQ(text, QStringLiteral("You do not have enough credits for that bet,"));
    EXPECT_EQ(game.state().credits, 63);
    EXPECT_EQ(game.state().spins, 0);
}

TEST(Playing, aWinIsCountedOffIntoTheCreditsStepByStep)
{
    PlayingFixture game;
    game.prepare([&](GameState& s) { s.payMode = true; });
    game.fillStrips(Seven); // every line pays 50
    game.endNextSpinOnLamp(NothingLamp);
    game.press(Qt::Key_Return);
    EXPECT_EQ(game.state().credits, 992 + 400);
    EXPECT_EQ(game.state().winnings, 0);
    EXPECT_EQ(game.sound.count(SoundCue::CountStep), 31 + 14 + 20); // steps of 10, then 5, then 1
    EXPECT_EQ(game.sound.count(SoundCue::Win), 1);
    EXPECT_TRUE(game.window->isTimerActive(GameTimer::LineFlash));
}

TEST(Playing, freeSpinsPlayOnTheirOwnStripsAndTheNormalStripsComeBackAtTheNextSpin)
{
    PlayingFixture game;
    game.fillStrips(Grape);
    game.prepare([&](GameState& s) {
        s.melons = 0;
        s.apples = 0;
        s.grapes = 1;
    });
    game.endNextSpinOnLamp(NothingLamp);
    game.press(Qt::Key_Return);
    EXPECT_GE(game.state().numberOfBarRolls, 3);
    EXPECT_TRUE(game.state().restoreStrips);
    EXPECT_FALSE(game.state().freeSpinMode);

    game.endNextSpinOnLamp(NothingLamp);
    game.press(Qt::Key_Return);
    EXPECT_FALSE(game.state().restoreStrips);
    GameState normal = startupGameState();
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(game.state().reelStrips[wheel], normal.reelStrips[wheel]);
}

// The periodic auto-spin save is checked on the engine; here every paid spin stores the game too.
TEST(Playing, autoSpinKeepsSpinningWithoutLampBlinkAndTheStoredGameFollowsEverySpin)
{
    PlayingFixture game;
    game.fillStrips(BlankL);
    game.prepare([&](GameState& s) {
        s.spins = 24;
        s.autoSpin = true;
    });
    bool blinkedDuringAutoSpin = false;
    game.clock.onWait = [&] {
        blinkedDuringAutoSpin |= game.window->isTimerActive(GameTimer::LampBlink);
        if (game.state().spins >= 26)
            game.prepare([&](GameState& s) { s.autoSpin = false; });
    };
    game.press(Qt::Key_Return);
    EXPECT_EQ(game.state().spins, 26);
    EXPECT_FALSE(blinkedDuringAutoSpin);
    EXPECT_TRUE(game.window->isTimerActive(GameTimer::LampBlink));
    const QString saved = game.readSettingsFile(QStringLiteral("Zantaro.ini"));
    EXPECT_TRUE(saved.contains(QStringLiteral("[CurrentGame]")));
    EXPECT_TRUE(saved.contains(QStringLiteral("Spins=26")));
}

TEST(Playing, aStoredRunningGameResumesAndClosingStoresItAgain)
{
    PlayingFixture game;
    {
        QFile file(game.settingsFile(QStringLiteral("Zantaro.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[CurrentGame]\nCredits=777\nBorrowed=2000\nCoinsPerLine=3\nLinesPlayed=5\n");
    }
    game.restart();
    EXPECT_EQ(game.state().credits, 777);
    EXPECT_EQ(game.state().coinsPerLine, 3);
    game.prepare([&](GameState& s) { s.credits = 555; });
    EXPECT_TRUE(game.window->close());
    const QString saved = game.readSettingsFile(QStringLiteral("Zantaro.ini"));
    EXPECT_TRUE(saved.contains(QStringLiteral("Credits=555")));
    EXPECT_TRUE(saved.contains(QStringLiteral("GameName=CurrentGame")));
    EXPECT_TRUE(game.readSettingsFile(QStringLiteral("qxupdate.ini")).contains(QStringLiteral("Uses=1")));
}

// With Double on, too: a closing window offers no double-or-nothing round.
TEST(Playing, closingDuringAWinningSpinFinishesAndPaysItWithoutAnOfferBeforeTheGameIsStored)
{
    PlayingFixture game;
    game.prepare([&](GameState& s) {
        s.payMode = true;
        s.doubleOn = true;
    });
    bool windowOpened = false;
    const ModalAnswer refuseAnyWindow = ModalAnswer::to<QDialog>([&](QDialog& dialog) {
        windowOpened = true;
        dialog.reject();
    });
    game.fillStrips(Seven);
    game.endNextSpinOnLamp(NothingLamp);
    bool closed = false;
    game.clock.onWait = [&] {
        if (!closed && game.clock.tick.count() >= 500) {
            closed = true;
            game.window->close();
        }
    };
    game.window->show();
    game.press(Qt::Key_Return);
    EXPECT_FALSE(windowOpened);
    EXPECT_FALSE(game.window->isVisible());
    EXPECT_EQ(game.state().credits, 992 + 400);
    EXPECT_EQ(game.sound.count(SoundCue::CountStep), 0);
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("Credits=1392")));
}

TEST(Playing, theUpdateReminderAsksAtACloseMoreThan90DaysAfterTheFirst)
{
    PlayingFixture game;
    game.window->close();
    game.clock.date = game.clock.date.addDays(91);
    game.restart();
    QString question;
    answerNextMessageBox(QMessageBox::No, &question);
    game.window->close();
    EXPECT_TRUE(question.startsWith(QStringLiteral("Zantaro\r\n\r\nVersion: 1.0")));
    EXPECT_TRUE(game.readSettingsFile(QStringLiteral("qxupdate.ini")).contains(QStringLiteral("Uses=2")));
}

} // namespace
} // namespace zantaro::testing
