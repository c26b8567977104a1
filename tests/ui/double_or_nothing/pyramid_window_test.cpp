// SPDX-License-Identifier: GPL-3.0-or-later
// The Pyramid's window, offscreen: layout, opening squares with the mouse, the squares' pixels,
// the hint boxes, the pause after "Lose", the buttons and the ways the window closes - a close
// during an opening finishes it at once.
#include "game_on_host.h"
#include "manual_hold_timer.h"
#include "resources/built_in_pictures.h"
#include "support/recording_host.h"
#include "ui/accessibility/announcer.h"
#include "ui/pyramid/pyramid_square.h"
#include "ui/pyramid/pyramid_window.h"
#include "window_lookup.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

// "Try Again" 0, 3, 7; "Hint" 1, 13; "2X" 8, "3X" 10, "5X" 6; "Lose" 2, 4, 5, 9, 11, 12, 14.
constexpr std::int64_t FiveUnderSevenClock = 1014;

struct PyramidWindowTest : ::testing::Test, GameOnHost<RecordingHost>
{
    ManualHolds holds;
    std::unique_ptr<PyramidWindow> window;

    void open(std::int32_t winnings)
    {
        host.clockValue = FiveUnderSevenClock;
        state.winnings = winnings;
        window = std::make_unique<PyramidWindow>(context, nullptr, std::move(holds.owned));
        window->show();
    }

    QMessageBox* hintBox() const { return window->findChild<QMessageBox*>(); }

    void click(int square) { QTest::mouseClick(window->square(square), Qt::LeftButton); }

    QImage shownSquare(int square) const
    {
        return window->square(square)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The amount beside "Winnings:".
    QString winningsShown() const
    {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->geometry() == QRect(132, 14, 165, 35))
                return label->text();
        }
        return {};
    }
};

int countPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

// The square shows the tile at its edges and plenty of yellow text in its middle only.
void expectTileWithYellowText(const QImage& square, const char* tilePath)
{
    const QImage tile = builtInPicture(tilePath).convertToFormat(QImage::Format_RGB32);
    for (const QPoint edge : {QPoint(2, 2), QPoint(60, 60), QPoint(32, 4), QPoint(4, 32)})
        EXPECT_EQ(square.pixel(edge), tile.pixel(edge)) << tilePath << " " << edge.x() << "," << edge.y();
    EXPECT_GT(countPixels(square, qRgb(255, 255, 0)), 40) << tilePath;
}

TEST_F(PyramidWindowTest, opensWithItsCaptionTextsButtonsAndFifteenNumberedSquares)
{
    open(10);
    EXPECT_EQ(window->windowTitle(), "Pyramid");
    EXPECT_EQ(window->size(), QSize(592, 384));
    QLabel* caption = labelStartingWith(window.get(), "Winnings:");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry(), QRect(4, 18, 117, 35));
    EXPECT_EQ(winningsShown(), "10");
    auto* memo = window->findChild<QPlainTextEdit*>();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(),
              "Click a square and try to win a prize.  You can continue until you lose.");
    EXPECT_EQ(memo->geometry(), QRect(24, 74, 185, 89));

    const std::pair<const char*, QRect> buttons[] = {{"&Help", QRect(16, 200, 129, 48)},
                                                     {"&Card Game", QRect(16, 264, 129, 48)},
                                                     {"&OK", QRect(16, 326, 129, 48)}};
    for (const auto& [text, geometry] : buttons) {
        QPushButton* button = buttonLabelled(window.get(), text);
        ASSERT_NE(button, nullptr) << text;
        EXPECT_EQ(button->geometry(), geometry) << text;
    }
    for (int square = 0; square < SquareCount; ++square) {
        const SquarePosition at = squarePosition(square);
        EXPECT_EQ(window->square(square)->geometry(), QRect(at.x, at.y, 64, 64)) << square;
    }
}

TEST_F(PyramidWindowTest, aClosedSquareShowsTheGreenTileWithItsNumberInYellow)
{
    open(10);
    expectTileWithYellowText(shownSquare(14), "pyramid/BlueBox.png"); // "15" in bold
}

TEST_F(PyramidWindowTest, anOpenedMultiplierShowsTheRedTileWithItsLabelInYellow)
{
    open(10);
    click(8);
    expectTileWithYellowText(shownSquare(8), "pyramid/Red.png"); // "2X" in bold
}

TEST_F(PyramidWindowTest, twoFiveAndThreeTimesOnTenShow300AndOkCounts290AsWon)
{
    open(10);
    for (int square : {8, 6, 10})
        click(square);
    EXPECT_EQ(state.winnings, 300);
    EXPECT_EQ(winningsShown(), "300");
    QTest::mouseClick(buttonLabelled(window.get(), "&OK"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.doubleOrNothingWon, 290);
}

TEST_F(PyramidWindowTest, theSecondHintSquareShowsTheSecondHintInAnInformationBoxAfterItsLabel)
{
    open(10);
    click(13);
    QMessageBox* box = hintBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->text(),
              "The 5X symbol is behind a square with a number greater than or equal to 7 on it.");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_TRUE(window->board().labelShown(13));
    EXPECT_TRUE(window->board().opening());
    box->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(window->board().opening());
}

TEST_F(PyramidWindowTest, aCloseWhileTheHintIsReadClosesTheHintBoxAsReadAndTheWindowAtOnce)
{
    open(10);
    click(1);
    ASSERT_NE(hintBox(), nullptr);
    window->reject();
    EXPECT_FALSE(hintBox()->isVisible());
    EXPECT_FALSE(window->board().opening());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(PyramidWindowTest, aCloseDuringAHintSquaresCueShowsItsLabelAndHintAndTakesTheHintAsRead)
{
    host.synchronousCueLength = std::chrono::milliseconds(500);
    open(10);
    click(13);
    ASSERT_EQ(hintBox(), nullptr);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->board().labelShown(13));
    EXPECT_FALSE(window->board().opening());
    ASSERT_NE(hintBox(), nullptr);
    EXPECT_EQ(hintBox()->text(),
              "The 5X symbol is behind a square with a number greater than or equal to 7 on it.");
    EXPECT_FALSE(hintBox()->isVisible());
    EXPECT_EQ(winningsShown(), "10");
}

TEST_F(PyramidWindowTest, aSynchronousCueShowsTheLabelAndTheWinningsOnlyWhenItEnds)
{
    host.synchronousCueLength = std::chrono::milliseconds(500);
    open(10);
    click(8); // 2X
    EXPECT_EQ(holds.timer->started, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500)});
    EXPECT_EQ(winningsShown(), "10");
    click(10);
    EXPECT_FALSE(window->board().opened(10));
    holds.timer->elapse();
    EXPECT_EQ(winningsShown(), "20");
    EXPECT_TRUE(window->board().labelShown(8));
}

TEST_F(PyramidWindowTest, loseOpensEverySquareAfterTheSecondsPause)
{
    open(40);
    const QImage openedTile = builtInPicture("pyramid/Red.png").convertToFormat(QImage::Format_RGB32);
    click(2);
    EXPECT_EQ(holds.timer->started, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)});
    int openedDuringPause = 0;
    for (int square = 0; square < SquareCount; ++square)
        openedDuringPause += shownSquare(square).pixel(2, 2) == openedTile.pixel(2, 2) ? 1 : 0;
    EXPECT_EQ(openedDuringPause, 1);
    holds.timer->elapse();
    EXPECT_EQ(winningsShown(), "0");
    for (int square = 0; square < SquareCount; ++square)
        EXPECT_EQ(shownSquare(square).pixel(2, 2), openedTile.pixel(2, 2)) << square;
    window->close();
    EXPECT_EQ(state.doubleOrNothingWon, -40);
}

TEST_F(PyramidWindowTest, theCardGameButtonAfterALossClosesWithoutAReplay)
{
    open(40);
    click(2);
    holds.timer->elapse();
    buttonLabelled(window.get(), "&Card Game")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(state.bonusGame);
    EXPECT_FALSE(state.playAgain);
}

TEST_F(PyramidWindowTest, aButtonDuringTheLossPauseOpensEverySquareAndClosesAtOnce)
{
    open(40);
    click(2);
    buttonLabelled(window.get(), "&OK")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.doubleOrNothingWon, -40);
    EXPECT_EQ(winningsShown(), "0");
    for (int square = 0; square < SquareCount; ++square)
        EXPECT_TRUE(window->board().labelShown(square)) << square;

    // The close stopped the pause's timer: its time passing tells nothing again.
    const QPointer<AnnouncementNote> told = window->findChild<AnnouncementNote*>();
    ASSERT_FALSE(told.isNull());
    EXPECT_EQ(told->accessibleName(), "Square 3: Lose. Winnings: 0. The game is over.");
    holds.timer->elapse();
    EXPECT_FALSE(told.isNull());
}

TEST_F(PyramidWindowTest, theHelpButtonDoesNothing)
{
    open(40);
    buttonLabelled(window.get(), "&Help")->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(state.winnings, 40);
}

TEST_F(PyramidWindowTest, theCloseBoxKeepsTheWinningsWithoutAReplay)
{
    open(40);
    click(8);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.winnings, 80);
    EXPECT_EQ(state.doubleOrNothingWon, 40);
}

} // namespace
} // namespace zantaro::testing
