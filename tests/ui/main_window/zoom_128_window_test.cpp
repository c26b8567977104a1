// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at zoom 1.28 (1280 x 1024), whose pixel grid repeats only every 25 pixels:
// pictures that meet in the layout meet on the screen.
#include "image_checks.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr qreal Zoom = 1.28;

TEST(Zoom128Window, theEightLampsMeetWithoutASeam)
{
    WindowFixture game(ScreenFacts{1000, 800, 32, 96});
    const Artwork& artwork = game.window->artwork();
    const QRect lampRow(artwork.pictureLeft + 2, artwork.pictureTop + artwork.machinePicture.height(),
                        artwork.lampBar.width(), artwork.lampBar.height() / 2);
    const QRect pixels = QRectF(QPointF(lampRow.topLeft()) * Zoom, QSizeF(lampRow.size()) * Zoom)
                             .toAlignedRect()
                             .adjusted(2, 2, -2, -2);
    const QImage shown = game.window->shownPixels();
    for (int x = pixels.left(); x <= pixels.right(); ++x)
        ASSERT_TRUE(anyLit(shown, QRect(x, pixels.top(), 1, pixels.height()))) << "column " << x;
}

} // namespace
} // namespace zantaro::testing
