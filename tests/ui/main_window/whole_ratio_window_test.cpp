// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at zoom 3 (a 4K desktop at 2x, zoomed 1.5): every picture, motion frame and
// bounce reaches the buffer, and the buffer the screen, pixel for pixel from the 3x pictures.
#include "game/reels.h"
#include "window_fixture.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr int Zoom = 3;

QRect devicePixels(const QRect& logical)
{
    return QRect(logical.topLeft() * Zoom, logical.size() * Zoom);
}

// Pixels of an image, whatever pixel ratio it carries.
QImage plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

struct TripleZoomFixture : WindowFixture
{
    TripleZoomFixture() : WindowFixture(ScreenFacts{1280, 720, 32, 96}) {}

    const Artwork& artwork() const { return window->artwork(); }
    QImage shown(const QRect& logical) const
    {
        return plain(window->shownPixels().copy(devicePixels(logical)));
    }
    // Where wheel 4, the middle one, shows its symbol and turns.
    QPoint middleSymbol() const
    {
        return {artwork().pictureLeft + 79 + 124, artwork().pictureTop + 94 + 173};
    }
};

TEST(TripleZoomWindow, symbolsAndMotionFramesAreTheThreeTimesPicturesPixelForPixel)
{
    TripleZoomFixture game;
    ASSERT_DOUBLE_EQ(game.window->devicePixelRatioF(), Zoom);
    const QImage& sheet = game.artwork().sharp.symbolSheet;
    ASSERT_EQ(sheet.size(), game.artwork().symbolSheet.size() * Zoom);

    const int code = game.state().shownSymbol(4);
    const QRect cell(game.middleSymbol(), QSize(96, 96));
    EXPECT_EQ(game.shown(cell), sheet.copy(devicePixels(QRect((code % 4) * 96, (code / 4) * 96, 96, 96))));

    // A frame 76 rows before the strip's end wraps round to its start for the other 74 rows.
    const QImage& strip = game.artwork().sharp.motionStrip;
    drawWheel(*game.window, 4, {WheelLook::Kind::Turning, MotionStripRows - 76});
    const QPoint window(cell.left(), cell.top() - 24);
    EXPECT_EQ(game.shown(QRect(window, QSize(96, 76))),
              strip.copy(devicePixels(QRect(0, MotionStripRows - 76, 96, 76))));
    EXPECT_EQ(game.shown(QRect(window + QPoint(0, 76), QSize(96, 74))),
              strip.copy(devicePixels(QRect(0, 0, 96, 74))));
}

TEST(TripleZoomWindow, aBouncingWheelMovesItsCapturedPixelsUnchanged)
{
    TripleZoomFixture game;
    const QRect bounce(game.middleSymbol() - QPoint(0, 4), QSize(96, 104));
    const QImage captured = game.shown(bounce);
    drawWheel(*game.window, 4, {WheelLook::Kind::Bouncing, 0, 0, 7}); // captures, then moves
    EXPECT_EQ(game.shown(bounce.translated(0, 7)), captured);
}

TEST(TripleZoomWindow, eachRectangleOfARepaintShowsTheBufferAndNothingElse)
{
    TripleZoomFixture game;
    const QRect credits(5, 30, 200, 42);
    const QRect wheel(game.middleSymbol(), QSize(96, 96));
    QPixmap screen(game.window->size() * Zoom);
    screen.setDevicePixelRatio(Zoom);
    screen.fill(Qt::magenta);
    // The region is drawn where it lies in the window: render() places its bounds at the offset.
    const WindowView& view = game.window->view();
    const QRegion region = QRegion(view.toWindow(credits)) + QRegion(view.toWindow(wheel));
    game.window->render(&screen, region.boundingRect().topLeft(), region);

    const QImage shown = plain(screen.toImage());
    for (const QRect& rect : {credits, wheel})
        EXPECT_EQ(shown.copy(devicePixels(view.toWindow(rect))), game.shown(rect));
    const QRect between(view.toWindow(credits).right() + 1, view.toWindow(credits).top(), 10, 10);
    EXPECT_EQ(shown.pixel(devicePixels(between).center()), QColor(Qt::magenta).rgb());
}

} // namespace
} // namespace zantaro::testing
