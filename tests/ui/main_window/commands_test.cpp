// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/named_cases.h"
#include "window_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

bool hasColour(const QImage& picture, QColor colour)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == colour)
                return true;
    return false;
}

const QColor Yellow(255, 255, 0);
const QColor Grey(192, 192, 192);
const QColor White(255, 255, 255);

struct CommandsFixture : WindowFixture
{
    void click(int command) { QTest::mouseClick(&window->commandStrip().button(command), Qt::LeftButton); }
    QImage caption(int command) { return window->commandStrip().button(command).picture(); }
    QString hint(int command) { return window->commandStrip().button(command).toolTip(); }
};

struct ToggleCase
{
    const char* name;
    int command;
    bool GameState::*flag;
    QColor offColour;
    const char* hintWhenOn;
    const char* hintWhenOff;
};

class Toggles : public ::testing::TestWithParam<ToggleCase>
{
};

TEST_P(Toggles, flipTheirFlagAndShowItInCaptionColourAndHint)
{
    const ToggleCase& toggle = GetParam();
    CommandsFixture game;
    game.prepare([&](GameState& s) { s.spinning = true; }); // auto spin then starts no spin
    const bool initially = game.state().*toggle.flag;
    game.click(toggle.command);
    EXPECT_NE(game.state().*toggle.flag, initially);
    const bool on = game.state().*toggle.flag;
    EXPECT_EQ(game.hint(toggle.command), QString::fromLatin1(on ? toggle.hintWhenOn : toggle.hintWhenOff));
    EXPECT_TRUE(hasColour(game.caption(toggle.command), on && toggle.command == AutoSpinCommand ? White
                                                        : on                                    ? Yellow
                                                             : toggle.offColour));
    game.click(toggle.command);
    EXPECT_EQ(game.state().*toggle.flag, initially);
    EXPECT_EQ(game.hint(toggle.command),
              QString::fromLatin1(initially ? toggle.hintWhenOn : toggle.hintWhenOff));
    EXPECT_TRUE(hasColour(game.caption(toggle.command), Yellow));
}

INSTANTIATE_TEST_SUITE_P(
    CommandStrip, Toggles,
    ::testing::Values(ToggleCase{"payMode", PayModeCommand, &GameState::payMode, Grey,
                                 "Paymode is Count Off Credits", "Paymode is Instant Payoff"},
                      ToggleCase{"autoSpin", AutoSpinCommand, &GameState::autoSpin, Yellow,
                                 "Auto Spin Mode: On", "Auto Spin Mode: Off"},
                      ToggleCase{"sound", SoundCommand, &GameState::sound, Grey, "Sound is On",
                                 "Sound is Off"},
                      ToggleCase{"double", DoubleCommand, &GameState::doubleOn, Grey,
                                 "Double or Nothing Game is On", "Double or Nothing Game is Off"}),
    [](const ::testing::TestParamInfo<ToggleCase>& info) { return std::string(info.param.name); });

TEST(Commands, startWithTheirOwnHintsAndTwoColumnsGoingUpFromTheAnchor)
{
    CommandsFixture game;
    EXPECT_EQ(game.hint(HelpCommand), QStringLiteral("View the Zantaro Manual"));
    EXPECT_EQ(game.hint(WebSiteCommand), QStringLiteral("Visit the Hollowmere Internet Site"));
    const WindowLayout& layout = game.window->layout();
    const QSize size = layout.commandButtonSize;
    const auto shownAt = [&](QPoint layoutPoint) {
        return game.window->view().toWindow(QRect(layoutPoint, size));
    };
    const QPoint anchor = layout.optionsTopLeft;
    EXPECT_EQ(game.window->commandStrip().button(HelpCommand).geometry(), shownAt(anchor));
    EXPECT_EQ(game.window->commandStrip().button(AutoSpinCommand).geometry(),
              shownAt(anchor - QPoint(0, 6 * size.height())));
    EXPECT_EQ(game.window->commandStrip().button(ExitCommand).geometry(),
              shownAt(anchor + QPoint(size.width(), 0)));
    EXPECT_EQ(game.window->commandStrip().button(StatsCommand).geometry(),
              shownAt(anchor + QPoint(size.width(), -6 * size.height())));
}

TEST(Commands, summaryBeforeAnySpinAsksForASpinFirst)
{
    CommandsFixture game;
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    game.click(SummaryCommand);
    waitForMessageBoxAnswers();
    EXPECT_EQ(text, QStringLiteral("You must spin before viewing a summary of the last spin."));
}

TEST(Commands, newGameAnsweredNoChangesNothingAndYesStartsAFreshGameKeepingTheBet)
{
    CommandsFixture game;
    game.prepare([&](GameState& s) {
        s.credits = 321;
        s.coinsPerLine = 3;
    });
    answerNextMessageBox(QMessageBox::No);
    game.click(NewGameCommand);
    EXPECT_EQ(game.state().credits, 321);
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    game.click(NewGameCommand);
    EXPECT_EQ(question, QStringLiteral("Start a New Game?"));
    EXPECT_EQ(game.state().credits, 1000);
    EXPECT_EQ(game.state().coinsPerLine, 3);
}

// A question whose Yes discards the game or ends it: Enter (the spin key) and Escape both answer No.
struct ConfirmationCase : NamedCase
{
    int command;
    Qt::Key key;
};

class Confirmations : public ::testing::TestWithParam<ConfirmationCase>
{
};

TEST_P(Confirmations, answerNoByDefaultSoTheGameGoesOn)
{
    CommandsFixture game;
    game.window->show();
    game.prepare([](GameState& s) { s.credits = 321; });
    pressKeyOnNextMessageBox(GetParam().key);
    game.click(GetParam().command);
    waitForMessageBoxAnswers();
    EXPECT_EQ(game.state().credits, 321);
    EXPECT_TRUE(game.window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, Confirmations,
                         ::testing::Values(ConfirmationCase{"newGameByEnter", NewGameCommand, Qt::Key_Return},
                                           ConfirmationCase{"newGameByEscape", NewGameCommand,
                                                            Qt::Key_Escape},
                                           ConfirmationCase{"exitByEnter", ExitCommand, Qt::Key_Return},
                                           ConfirmationCase{"exitByEscape", ExitCommand, Qt::Key_Escape}),
                         caseName);

TEST(Commands, theLogoShowsTheAboutBox)
{
    CommandsFixture game;
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    QTest::mouseClick(&game.window->logo(), Qt::LeftButton);
    waitForMessageBoxAnswers();
    EXPECT_EQ(text, QStringLiteral("Zantaro Version 1.0"));
}

TEST(Commands, exitAnsweredYesClosesTheWindowAndStoresTheGame)
{
    CommandsFixture game;
    game.window->show();
    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    game.click(ExitCommand);
    waitForMessageBoxAnswers();
    EXPECT_EQ(question, QStringLiteral("Are you sure you want to exit the game?"));
    EXPECT_FALSE(game.window->isVisible());
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("[CurrentGame]")));
}

} // namespace
} // namespace zantaro::testing
