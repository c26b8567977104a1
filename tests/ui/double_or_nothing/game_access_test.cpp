// SPDX-License-Identifier: GPL-3.0-or-later
// Both double-or-nothing windows without the mouse and the screen: what an assistive client finds
// in them, a whole round of each played by keys alone, the focus ring, and the outcome told.
#include "game_on_host.h"
#include "manual_hold_timer.h"
#include "support/recording_host.h"
#include "ui/accessibility/piece_button.h"
#include "ui/card_game/card_game_window.h"
#include "ui/pyramid/pyramid_square.h"
#include "ui/pyramid/pyramid_window.h"
#include "window_lookup.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

constexpr std::int64_t FortyHandClock = 1001;      // the Ace of clubs in slot 0, a 4 in slot 4
constexpr std::int64_t FiveUnderSevenClock = 1014; // "Try Again" 0, "5X" 6, "2X" 8, "Lose" 2

QAccessibleInterface* accessibleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The names of the window's showing notifications: what it last told a screen reader. Each
// message replaces the one before, so there is one at most.
std::vector<std::string> notifications(QWidget* window)
{
    std::vector<std::string> names;
    QAccessibleInterface* tree = accessibleOf(window);
    for (int index = 0; index < tree->childCount(); ++index) {
        QAccessibleInterface* child = tree->child(index);
        if (child->role() == QAccessible::Notification && !child->state().invisible)
            names.push_back(child->text(QAccessible::Name).toStdString());
    }
    return names;
}

void expectPieceButton(QWidget* window, QWidget* piece, const QString& name)
{
    QAccessibleInterface* control = accessibleOf(piece);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->role(), QAccessible::Button) << name.toStdString();
    EXPECT_EQ(control->text(QAccessible::Name), name);
    EXPECT_TRUE(control->state().focusable) << name.toStdString();
    EXPECT_TRUE(
        control->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_GE(accessibleOf(window)->indexOfChild(control), 0) << name.toStdString();
}

// Keys go where the keyboard focus is, as on a real screen.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
}

template <typename Window> void showActive(Window& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

struct GameAccessTest : ::testing::Test, GameOnHost<RecordingHost>
{
    ManualHolds holds;

    std::unique_ptr<CardGameWindow> openCardGame()
    {
        host.clockValue = FortyHandClock;
        state.winnings = 40;
        auto window = std::make_unique<CardGameWindow>(
            context, [](int) {}, nullptr, std::move(holds.owned));
        showActive(*window);
        return window;
    }

    std::unique_ptr<PyramidWindow> openPyramid()
    {
        host.clockValue = FiveUnderSevenClock;
        state.winnings = 10;
        auto window = std::make_unique<PyramidWindow>(context, nullptr, std::move(holds.owned));
        showActive(*window);
        return window;
    }
};

TEST_F(GameAccessTest, theTwentyFourCardsAreButtonsNamedByWhatThePlayerKnowsAndPressOneTurnsIt)
{
    const auto window = openCardGame();
    for (int slot = 0; slot < TableSlots; ++slot)
        expectPieceButton(window.get(), window->cardButton(slot),
                          QString("Card %1, face down").arg(slot + 1));
    EXPECT_EQ(accessibleOf(window->cardButton(10))->text(QAccessible::Description), "Row 2, column 3");
    for (const char* button : {"OK", "Help", "Pyramid"})
        EXPECT_EQ(accessibleOf(buttonLabelled(window.get(), QString("&") + button))->text(QAccessible::Name),
                  button);

    accessibleOf(window->cardButton(0))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(state.winnings, 120);
    EXPECT_EQ(accessibleOf(window->cardButton(0))->text(QAccessible::Name), "Ace of clubs");
    EXPECT_EQ(notifications(window.get()),
              std::vector<std::string>{"Ace of clubs multiplies your winnings by 3. Winnings: 120."});
}

TEST_F(GameAccessTest, aWholeCardHandIsPlayedByKeysAloneWithTheRingOnTheFocusedCard)
{
    const auto window = openCardGame();
    const TablePoint first = cardPosition(0);
    const QPoint ringPixel(first.x - 1, first.y + 40); // in the gap left of the first card
    const auto shown = [&] { return window->grab().toImage().pixel(ringPixel); };
    EXPECT_EQ(QApplication::focusWidget(), buttonLabelled(window.get(), "&Pyramid"));
    EXPECT_EQ(shown(), qRgb(128, 0, 0)); // the table looks as it always did

    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cardButton(0));
    EXPECT_EQ(shown(), qRgb(255, 255, 0));
    pressKey(Qt::Key_Return);
    EXPECT_EQ(state.winnings, 120);
    for (int step = 0; step < 4; ++step)
        pressKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), window->cardButton(4));
    EXPECT_EQ(shown(), qRgb(128, 0, 0));
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(window->table().handOver());
    holds.timer->elapse(); // the loss pause: what the card did is told once it is over
    EXPECT_EQ(
        notifications(window.get()),
        std::vector<std::string>{"Four of diamonds loses all your winnings. Winnings: 0. The hand is over."});
    EXPECT_EQ(accessibleOf(window->cardButton(23))->text(QAccessible::Name).contains("face down"), false);

    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), buttonLabelled(window.get(), "&OK"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.doubleOrNothingWon, -40);
}

TEST_F(GameAccessTest, theFifteenSquaresAreButtonsNamedByNumberThenByWhatTheyShow)
{
    const auto window = openPyramid();
    for (int square = 0; square < SquareCount; ++square)
        expectPieceButton(window.get(), window->square(square), QString("Square %1").arg(square + 1));
    accessibleOf(window->square(8))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(accessibleOf(window->square(8))->text(QAccessible::Name), "Square 9: 2X");
    EXPECT_EQ(notifications(window.get()), std::vector<std::string>{"Square 9: 2X. Winnings: 20."});
}

TEST_F(GameAccessTest, aWholePyramidRoundIsPlayedByKeysAloneAndCollectedWithOk)
{
    const auto window = openPyramid();
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->square(0));
    pressKey(Qt::Key_Return); // "Try Again"
    for (int row = 0; row < 3; ++row)
        pressKey(Qt::Key_Down); // down the left side: squares 2, 4 and 7
    EXPECT_EQ(QApplication::focusWidget(), window->square(6));
    pressKey(Qt::Key_Space); // "5X"
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Return); // "2X" on square 9
    EXPECT_EQ(state.winnings, 100);
    EXPECT_EQ(notifications(window.get()), std::vector<std::string>{"Square 9: 2X. Winnings: 100."});

    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), buttonLabelled(window.get(), "&OK"));
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.doubleOrNothingWon, 90);
}

} // namespace
} // namespace zantaro::testing
