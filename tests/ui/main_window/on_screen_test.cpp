// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a real X display: what the game draws between paint events reaches the
// screen, and a whole-window redraw leaves the logo button showing there.
#include "window_fixture.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr ScreenFacts Medium{800, 600, 32, 96};

// What the X server shows of the window.
QImage onScreen(QWidget& window)
{
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

struct OnScreenFixture : WindowFixture
{
    OnScreenFixture() : WindowFixture(Medium) { EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get())); }
};

TEST(OnScreen, aLineHighlightDrawnBetweenPaintsReachesTheScreen)
{
    OnScreenFixture game;
    const Artwork& artwork = game.window->artwork();
    const QPoint corner =
        game.window->view()
            .toWindow(QRect(artwork.pictureLeft + 49 + 81, artwork.pictureTop + 45 + 112, 1, 1))
            .topLeft(); // wheel 4's window
    ASSERT_NE(onScreen(*game.window).pixel(corner), qRgb(255, 0, 0));

    drawPiece(*game.window, Piece::LineHighlight, 6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen(*game.window).pixel(corner) == qRgb(255, 0, 0); }));
}

TEST(OnScreen, aWholeWindowRedrawLeavesTheLogoButtonShowing)
{
    OnScreenFixture game;
    const QRect credits = game.window->view().toWindow(QRect(10, 30, 150, 42));
    const QImage creditsBefore = onScreen(*game.window).copy(credits);
    const QRect button = game.window->logo().geometry(); // a child control no caption change redraws
    const QImage buttonBefore = onScreen(*game.window).copy(button);

    game.prepare([](GameState& s) { s.credits = 4321; });
    game.window->repaintWindow();
    // Once the new credits show, the whole redraw has reached the screen.
    ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen(*game.window).copy(credits) != creditsBefore; }));
    EXPECT_EQ(onScreen(*game.window).copy(button), buttonBefore);
    EXPECT_EQ(game.window->shownWindowPixels().copy(button).convertToFormat(QImage::Format_RGB32),
              buttonBefore);
}

} // namespace
} // namespace zantaro::testing

int main(int argc, char** argv)
{
    // Qt wants a private runtime directory; a temporary one is made with the right permissions.
    const QTemporaryDir runtimeDirectory;
    qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
