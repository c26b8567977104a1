// SPDX-License-Identifier: GPL-3.0-or-later
// The machine filling a 1920 x 1080 screen at zoom 1.5: F11 or the window manager's request fills
// it at the largest scale that fits, a click still lands on its item, F11 or Escape go back, and
// the state is kept for the next start in a file of its own.
#include "game/paytable.h"
#include "window_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr QSize Screen(1280, 720); // 1920 x 1080 at zoom 1.5
constexpr QSize Window(1270, 685);

struct FullScreenFixture : WindowFixture
{
    FullScreenFixture() : WindowFixture(ScreenFacts{1280, 720, 32, 96})
    {
        prepare([](GameState& game) { game.sound = false; });
    }
    void press(Qt::Key key) const { QTest::keyClick(window.get(), key); }
    // Waits for the window to take the size its state asks for.
    void waitForSize(QSize size) const
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == size; }));
    }
};

TEST(FullScreen, f11FillsTheScreenCentredOnBlackWhereAClickLandsOnItsItemAndEscapeGoesBack)
{
    FullScreenFixture game;
    game.press(Qt::Key_F11);
    game.waitForSize(Screen);
    ASSERT_TRUE(game.window->isFullScreen());
    const QSize layout = game.window->layout().size;
    const WindowView& view = game.window->view();
    EXPECT_DOUBLE_EQ(view.scale(), std::min(qreal(Screen.width()) / layout.width(),
                                            qreal(Screen.height()) / layout.height()));
    const QRect shown = view.toWindow(QRect(QPoint(0, 0), layout));
    EXPECT_NEAR(shown.left(), Screen.width() - 1 - shown.right(), 1);
    EXPECT_EQ(shown.top(), 0);
    EXPECT_EQ(shown.bottom(), Screen.height() - 1);
    EXPECT_NEAR(game.window->artwork().sharpRatio, 1.5 * view.scale(), 1e-4);

    const HitRect& minus = game.window->layout().linesMinusRect;
    game.clickLayout(QPoint((minus.left + minus.right) / 2, (minus.top + minus.bottom) / 2));
    EXPECT_EQ(game.state().linesPlayed, 7);
    game.clickLayout(QPoint(minus.right + 3, minus.top)); // right of the minus half: nothing
    EXPECT_EQ(game.state().linesPlayed, 7);

    game.press(Qt::Key_Escape);
    game.waitForSize(Window);
    EXPECT_FALSE(game.window->isFullScreen());
    EXPECT_DOUBLE_EQ(game.window->view().scale(), 1.0);
    EXPECT_NEAR(game.window->artwork().sharpRatio, 1.5, 1e-4);
}

// The blank that clears a highlight may round the wheel window's edge rows otherwise than the
// machine picture does, a pixel's worth of near-white; what must not stay is the highlight's red.
TEST(FullScreen, aClearedLineHighlightLeavesNoRedAtTheFullScreenScale)
{
    FullScreenFixture game;
    game.press(Qt::Key_F11);
    game.waitForSize(Screen);
    const QImage before = game.window->shownWindowPixels();
    for (int line = 0; line < PaylineCount; ++line) {
        drawPiece(*game.window, Piece::LineHighlight, line);
        drawPiece(*game.window, Piece::LineCleared, line);
    }
    const QImage after = game.window->shownWindowPixels();
    int redLeft = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            redLeft += after.pixel(x, y) != before.pixel(x, y) && after.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(redLeft, 0);
}

TEST(FullScreen, comesFromTheWindowManagerAsFromF11AndEscapeWaitsWhileAnotherWindowIsOpen)
{
    FullScreenFixture game;
    game.window->setWindowState(Qt::WindowFullScreen); // as a window manager's request arrives
    game.waitForSize(Screen);
    EXPECT_GT(game.window->view().scale(), 1.0);

    QWidget other;
    other.show();
    game.press(Qt::Key_Escape);
    EXPECT_TRUE(game.window->isFullScreen());
    other.close();
    game.press(Qt::Key_F11);
    game.waitForSize(Window);
    EXPECT_FALSE(game.window->isFullScreen());
}

TEST(FullScreen, isRememberedForTheNextStartInAFileOfItsOwn)
{
    FullScreenFixture game;
    game.press(Qt::Key_F11);
    game.restart(ScreenFacts{1280, 720, 32, 96});
    game.waitForSize(Screen);
    EXPECT_TRUE(game.window->isFullScreen());
    EXPECT_TRUE(
        game.readSettingsFile(QStringLiteral("Window.ini")).contains(QStringLiteral("FullScreen=true")));
    EXPECT_FALSE(game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("FullScreen")));

    game.press(Qt::Key_F11);
    game.restart(ScreenFacts{1280, 720, 32, 96});
    EXPECT_FALSE(game.window->isFullScreen());
    EXPECT_EQ(game.window->size(), Window);
}

} // namespace
} // namespace zantaro::testing
