// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reels.h"
#include "image_checks.h"
#include "support/test_game.h"
#include "window_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr ScreenFacts Large{1280, 1024, 32, 96};
constexpr ScreenFacts Medium{800, 600, 32, 96};
constexpr ScreenFacts Small{640, 480, 32, 96};

TEST(CounterPainting, creditsFallingFrom100To99LeaveNoTraceOfTheThirdDigit)
{
    WindowFixture fixture(Large);
    fixture.prepare([&](GameState& s) { s.credits = 100; });
    drawPiece(*fixture.window, Piece::Credits);
    fixture.prepare([&](GameState& s) { s.credits = 99; });
    drawPiece(*fixture.window, Piece::Credits);
    const QImage buffer = fixture.window->shownPixels();
    EXPECT_TRUE(anyLit(buffer, QRect(5, 30, 64, 42)));
    EXPECT_TRUE(allBlack(buffer, QRect(5 + 64, 30, 32, 42)));
}

TEST(CounterPainting, creditsFallingFrom1000To99KeepTheFourthDigitUntilTheNextFullRepaint)
{
    WindowFixture fixture(Large);
    fixture.prepare([&](GameState& s) { s.credits = 1000; });
    drawPiece(*fixture.window, Piece::Credits);
    fixture.prepare([&](GameState& s) { s.credits = 99; });
    drawPiece(*fixture.window, Piece::Credits);
    const QImage buffer = fixture.window->shownPixels();
    EXPECT_TRUE(allBlack(buffer, QRect(5 + 64, 30, 32, 42)));
    EXPECT_TRUE(anyLit(buffer, QRect(5 + 96, 30, 32, 42)));
    fixture.window->repaintWindow();
    EXPECT_TRUE(allBlack(fixture.window->shownPixels(), QRect(5 + 96, 30, 32, 42)));
}

TEST(CounterPainting, coinsPlayedOf64EndAtTheirXAndGoingBackTo8BlackensTheCellBeforeIt)
{
    WindowFixture fixture(Large);
    const int end = fixture.window->layout().machineRight + 227;
    fixture.prepare([&](GameState& s) {
        s.linesPlayed = 8;
        s.coinsPerLine = 8;
    });
    const QImage before = fixture.window->shownPixels();
    drawPiece(*fixture.window, Piece::CoinsPlayed);
    const QImage buffer = fixture.window->shownPixels();
    EXPECT_TRUE(anyLit(buffer, QRect(end - 32, 140, 32, 42)));
    EXPECT_TRUE(anyLit(buffer, QRect(end - 64, 140, 32, 42)));
    EXPECT_LE(differenceBounds(before, buffer).right(), end - 1); // nothing at or right of x

    fixture.prepare([&](GameState& s) { s.coinsPerLine = 1; });
    drawPiece(*fixture.window, Piece::CoinsPlayed);
    EXPECT_TRUE(allBlack(fixture.window->shownPixels(), QRect(end - 64, 140, 32, 42)));
    EXPECT_TRUE(anyLit(fixture.window->shownPixels(), QRect(end - 32, 140, 32, 42)));
}

TEST(CounterPainting, aSingleLightningIconOnASmallScreenHasItsLeftFivePixelsCoveredByTheBlackSlot)
{
    WindowFixture fixture(Small);
    fixture.prepare([&](GameState& s) { s.lightning = 1; });
    drawPiece(*fixture.window, Piece::LightningRow);
    const QImage buffer = fixture.window->shownPixels();
    EXPECT_TRUE(allBlack(buffer, QRect(98, 65, 32, 32))); // the black slot, over columns 125 to 129
    EXPECT_TRUE(anyLit(buffer, QRect(130, 65, 27, 32)));  // the rest of the icon
    EXPECT_TRUE(allBlack(buffer, QRect(71, 65, 27, 32))); // the third slot
}

TEST(CounterPainting, eachLampOfA256PixelBarIs32PixelsWideUnderTheMachine)
{
    WindowFixture fixture(Medium);
    const Artwork& artwork = fixture.window->artwork();
    ASSERT_EQ(artwork.lampBar.width(), 256);
    const QImage before = fixture.window->shownPixels();
    fixture.prepare([&](GameState& s) { s.lamps[3] = true; });
    drawPiece(*fixture.window, Piece::Lamp, 3);
    const QRect lamp(artwork.pictureLeft + 3 * 32 + 2 + 32,
                     artwork.pictureTop + artwork.machinePicture.height(), 32, artwork.lampBar.height() / 2);
    EXPECT_TRUE(lamp.contains(differenceBounds(before, fixture.window->shownPixels())));
    EXPECT_FALSE(differenceBounds(before, fixture.window->shownPixels()).isEmpty());
}

TEST(WinningsReadout, isNeitherDrawnNorClearedOnA700PixelScreen)
{
    WindowFixture fixture({700, 600, 32, 96});
    const QImage before = fixture.window->shownPixels();
    fixture.prepare([&](GameState& s) { s.winnings = 50; });
    drawWinningsReadout(*fixture.window, true);
    drawWinningsReadout(*fixture.window, false);
    EXPECT_EQ(fixture.window->shownPixels(), before);
}

TEST(WinningsReadout, standsLeftOfTheMachineOnMediumScreensAndAZeroClearsIt)
{
    WindowFixture fixture(Medium);
    const int pictureLeft = fixture.window->artwork().pictureLeft;
    const QRect area(pictureLeft - 100, 10, 98, 50);
    fixture.prepare([&](GameState& s) { s.winnings = 50; });
    drawWinningsReadout(*fixture.window, true);
    EXPECT_TRUE(anyLit(fixture.window->shownPixels(), area));
    fixture.prepare([&](GameState& s) { s.winnings = 0; });
    drawWinningsReadout(*fixture.window, true);
    EXPECT_TRUE(allBlack(fixture.window->shownPixels(), QRect(pictureLeft - 60, 10, 58, 50)));
}

TEST(WinningsReadout, standsRightOfTheMachineOnLargeScreensAndIsClearedToTheWindowEdge)
{
    WindowFixture fixture(Large);
    const int right = fixture.window->layout().machineRight;
    fixture.prepare([&](GameState& s) { s.winnings = 1234; });
    drawWinningsReadout(*fixture.window, true);
    const QImage buffer = fixture.window->shownPixels();
    EXPECT_TRUE(anyLit(buffer, QRect(right + 115, 243, 4 * 32, 42)));
    drawWinningsReadout(*fixture.window, false);
    EXPECT_TRUE(
        allBlack(fixture.window->shownPixels(), QRect(right + 1, 240, buffer.width() - right - 1, 60)));
}

TEST(WinningsReadout, showsWhatACountedOffSpinPaidThroughRepaintsDuringAndAfterTheCount)
{
    WindowFixture fixture(Large);
    fixture.prepare([](GameState& game) {
        game.doubleOn = false;
        game.payMode = true;
    });
    fixture.fillStrips(Seven);
    fixture.endNextSpinOnLamp(NothingLamp);
    fixture.clock.onWait = [&, repainted = false]() mutable {
        if (!repainted && fixture.clock.tick.count() >= 5000) { // well into the count
            repainted = true;
            fixture.window->repaint();
        }
    };
    QTest::keyClick(fixture.window.get(), Qt::Key_Return);
    fixture.clock.onWait = nullptr;
    fixture.window->repaint();
    ASSERT_EQ(fixture.state().credits, 1392);
    ASSERT_EQ(fixture.state().winnings, 0);

    const int right = fixture.window->layout().machineRight;
    const QRect readout(right + 1, 240, fixture.window->shownPixels().width() - right - 1, 60);
    const QImage shown = fixture.window->shownPixels().copy(readout);
    drawWinningsReadout(*fixture.window, false);
    ASSERT_NE(shown, fixture.window->shownPixels().copy(readout));
    fixture.prepare([](GameState& game) { game.winnings = 400; });
    drawWinningsReadout(*fixture.window, true);
    EXPECT_EQ(shown, fixture.window->shownPixels().copy(readout));
}

TEST(WheelPainting, theStartUpWheelsShowTheirSymbolsFromTheSheet)
{
    WindowFixture fixture(Large);
    const Artwork& artwork = fixture.window->artwork();
    const QImage buffer = fixture.window->shownPixels();
    // Wheel 7 shows the Wild, the sheet's first sprite; wheel 0 a melon, code 2.
    EXPECT_EQ(buffer.copy(artwork.pictureLeft + 79 + 124, artwork.pictureTop + 94 + 2 * 173, 96, 96),
              artwork.symbolSheet.copy(0, 0, 96, 96));
    EXPECT_EQ(buffer.copy(artwork.pictureLeft + 79, artwork.pictureTop + 94, 96, 96),
              artwork.symbolSheet.copy(2 * 96, 0, 96, 96));
}

TEST(WheelPainting, aLineHighlightHatchesItsThreeWheelWindowsInRed)
{
    WindowFixture fixture(Medium);
    const Artwork& artwork = fixture.window->artwork();
    drawPiece(*fixture.window, Piece::LineHighlight, 6); // the diagonal 0, 4, 8
    const QImage buffer = fixture.window->shownPixels();
    const QPoint corner(artwork.pictureLeft + 49 + 81, artwork.pictureTop + 45 + 112); // wheel 4's window
    EXPECT_EQ(buffer.pixel(corner), qRgb(255, 0, 0));
    EXPECT_EQ(buffer.pixel(corner + QPoint(64, 96)), qRgb(255, 0, 0));
    EXPECT_NE(buffer.pixel(artwork.pictureLeft + 49 + 162, artwork.pictureTop + 45),
              qRgb(255, 0, 0)); // wheel 2
}

TEST(WheelPainting, clearingALineHighlightLeavesNoRedBehind)
{
    for (const ScreenFacts& screen : {Medium, Large}) {
        WindowFixture fixture(screen);
        const QImage before = fixture.window->shownPixels();
        drawPiece(*fixture.window, Piece::LineHighlight, 7); // the diagonal 6, 4, 2
        drawPiece(*fixture.window, Piece::LineCleared, 7);
        EXPECT_EQ(differenceBounds(before, fixture.window->shownPixels()), QRect()) << screen.width;
    }
}

} // namespace
} // namespace zantaro::testing
