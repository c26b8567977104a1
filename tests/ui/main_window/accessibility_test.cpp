// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as assistive technology and the keyboard meet it: every command a named button
// with its action, shortcut and checked state; the painted controls pressable; the readouts, the
// lamp and the wheels named by what they show; Tab through everything in order.
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"
#include "ui/dialogs/modal_answers.h"
#include "ui/dialogs/statistics_window.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The window's accessible child whose name starts with `name`, or null.
QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->text(QAccessible::Name).startsWith(name))
            return child;
    }
    return nullptr;
}

struct CommandCase : NamedCase
{
    int command;
    const char* caption;
    const char* shortcut;
    bool toggle;
};

class CommandButtons : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(CommandButtons, areNamedButtonsWithTheirShortcutAndAction)
{
    const CommandCase& c = GetParam();
    WindowFixture game;
    QAccessibleInterface* button = accessible(&game.window->commandStrip().button(c.command));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(QAccessible::Name), QString::fromLatin1(c.caption));
    EXPECT_FALSE(button->text(QAccessible::Description).isEmpty()); // the hint
    EXPECT_EQ(button->text(QAccessible::Accelerator), QString::fromLatin1(c.shortcut));
    EXPECT_EQ(button->role(), c.toggle ? QAccessible::CheckBox : QAccessible::Button);
    EXPECT_EQ(button->state().checkable, c.toggle);
    EXPECT_TRUE(button->actionInterface()->actionNames().contains(
        c.toggle ? QAccessibleActionInterface::toggleAction() : QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(button->state().focusable, true);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandButtons,
    ::testing::Values(CommandCase{"help", HelpCommand, "Help?", "Alt+H", false},
                      CommandCase{"payMode", PayModeCommand, "Pay Mode", "Alt+M", true},
                      CommandCase{"payChart", PayChartCommand, "Pay Chart", "Alt+C", false},
                      CommandCase{"borrow", BorrowCommand, "Borrow", "Alt+B", false},
                      CommandCase{"newGame", NewGameCommand, "New Game", "Alt+N", false},
                      CommandCase{"summary", SummaryCommand, "Summary", "Alt+Y", false},
                      CommandCase{"autoSpin", AutoSpinCommand, "Auto Spin", "Alt+A", true},
                      CommandCase{"exit", ExitCommand, "Exit", "Alt+X", false},
                      CommandCase{"sound", SoundCommand, "Sound", "Alt+O", true},
                      CommandCase{"webSite", WebSiteCommand, "WWW Site", "Alt+W", false},
                      CommandCase{"double", DoubleCommand, "Double", "Alt+D", true},
                      CommandCase{"saveGame", SaveGameCommand, "Save Game", "Alt+S", false},
                      CommandCase{"loadGame", LoadGameCommand, "Load Game", "Alt+L", false},
                      CommandCase{"stats", StatsCommand, "Stats", "Alt+T", false}),
    caseName);

TEST(MainWindowAccess, aTogglesCheckedStateFollowsTheGameWhicheverWayItIsFlipped)
{
    WindowFixture game;
    game.window->show();
    game.window->activateWindow(); // shortcuts act in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(game.window.get()));
    QAccessibleInterface* sound = accessible(&game.window->commandStrip().button(SoundCommand));
    EXPECT_TRUE(sound->state().checked);
    sound->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::sendPostedEvents(); // an action is run from the event loop
    EXPECT_FALSE(game.state().sound);
    EXPECT_FALSE(sound->state().checked);
    QTest::keyClick(game.window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(game.state().sound);
    EXPECT_TRUE(sound->state().checked);
}

TEST(MainWindowAccess, pressingStatsByItsActionOpensTheStatisticsWindow)
{
    WindowFixture game;
    bool opened = false;
    const ModalAnswer close = ModalAnswer::to<StatisticsWindow>([&](StatisticsWindow& window) {
        opened = true;
        window.accept();
    });
    accessible(&game.window->commandStrip().button(StatsCommand))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(opened); // the client's call returns before the window opens
    QCoreApplication::sendPostedEvents();
    close.waitUntilAnswered();
    EXPECT_TRUE(opened);
}

TEST(MainWindowAccess, thePaintedControlsPressLikeAClickRefusalsIncluded)
{
    WindowFixture game;
    QAccessibleInterface* window = accessible(game.window.get());
    const auto press = [&](const char* name) {
        QAccessibleInterface* control = childNamed(window, QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->role(), QAccessible::Button);
        control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::sendPostedEvents();
    };
    press("Add a coin");
    EXPECT_EQ(game.state().coinsPerLine, 2);
    press("Remove a line");
    EXPECT_EQ(game.state().linesPlayed, 7);
    game.prepare([](GameState& s) { s.credits = 0; });
    QString refusal;
    answerNextMessageBox(QMessageBox::Ok, &refusal);
    press("SPIN");
    waitForMessageBoxAnswers();
    EXPECT_FALSE(refusal.isEmpty());
    EXPECT_EQ(game.state().spins, 0);
}

TEST(MainWindowAccess, readoutsLampAndWheelsAreNamedByWhatTheyShowWhereTheScreenShowsThem)
{
    WindowFixture game({1280, 1024, 32, 96});
    game.fillStrips(Seven);
    game.endNextSpinOnLamp(NothingLamp);
    game.prepare([](GameState& s) {
        s.doubleOn = false;
        s.payMode = false;
    });
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    QAccessibleInterface* window = accessible(game.window.get());
    for (const char* name : {"Credits 1392", "Bonus Pool", "Lines Played 8", "Coins/Line 1", "Coins Played 8",
                             "Winnings 400", "Bonus lamp 2 lit"})
        EXPECT_NE(childNamed(window, QString::fromLatin1(name)), nullptr) << name;
    QAccessibleInterface* wheels = childNamed(window, QStringLiteral("Wheels"));
    ASSERT_NE(wheels, nullptr);
    ASSERT_EQ(wheels->childCount(), WheelCount);
    EXPECT_EQ(wheels->child(4)->text(QAccessible::Name), QStringLiteral("Row 2, wheel 2: Seven"));
    EXPECT_EQ(wheels->child(4)->parent(), wheels);
    const QRect credits = childNamed(window, QStringLiteral("Credits"))->rect();
    EXPECT_EQ(credits.topLeft(),
              game.window->mapToGlobal(game.window->view().toWindow(QRect(5, 30, 1, 1)).topLeft()));
}

TEST(MainWindowAccess, tabGoesFromSpinThroughTheBetTheTextsAndEveryCommandToTheLogoAndBack)
{
    WindowFixture game;
    game.window->show();
    game.window->activateWindow();
    ASSERT_EQ(QApplication::focusWidget(), game.window.get()); // no ring shows until Tab is pressed
    QStringList order;
    for (int step = 0; step < 24; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        order << accessible(QApplication::focusWidget())
                     ->text(QAccessible::Name)
                     .section(QLatin1Char(' '), 0, 1);
    }
    EXPECT_EQ(order.mid(0, 9), (QStringList{"SPIN", "STOP", "Add a", "Remove a", "Add a", "Remove a",
                                            "Last spin", "Credits and", "Help?"}));
    EXPECT_EQ(order.mid(22), (QStringList{"About Zantaro", "Zantaro Slots"}));
}

TEST(MainWindowAccess, returnRunsTheFocusedCommandWhileSpaceElsewhereStillStopsTheSpin)
{
    WindowFixture game;
    game.window->show();
    game.window->commandStrip().button(SoundCommand).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&game.window->commandStrip().button(SoundCommand), Qt::Key_Return);
    EXPECT_FALSE(game.state().sound);
    QTest::keyClick(&game.window->commandStrip().button(SoundCommand), Qt::Key_Space);
    EXPECT_TRUE(game.state().sound);
}

TEST(MainWindowAccess, theKeysRAndBReadTheLastSpinAndTheBalanceIntoTheFocus)
{
    WindowFixture game;
    game.fillStrips(Seven);
    game.endNextSpinOnLamp(NothingLamp);
    game.prepare([](GameState& s) {
        s.doubleOn = false;
        s.payMode = false;
    });
    game.window->show();
    QTest::keyClick(game.window.get(), Qt::Key_Return);
    QTest::keyClick(game.window.get(), Qt::Key_R);
    const QString outcome = accessible(QApplication::focusWidget())->text(QAccessible::Name);
    EXPECT_TRUE(outcome.startsWith(QStringLiteral("Line 1: Seven, Seven, Seven.")));
    EXPECT_TRUE(outcome.endsWith(QStringLiteral("Won 400, credits after 1392.")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B);
    EXPECT_EQ(accessible(QApplication::focusWidget())->text(QAccessible::Name),
              QStringLiteral("Credits 1392. Lines played 8, coins per line 1, coins played 8."));
}

} // namespace
} // namespace zantaro::testing
