// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn layout stands in the middle of the window, nothing drawn beside it.
#include "image_checks.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

TEST(CentredLayout, theMachineStandsInTheMiddleOfTheWindowWithNothingDrawnBesideTheLayout)
{
    WindowFixture game; // 1280 x 1024 at zoom 1: the window is wider than the layout
    QCoreApplication::processEvents();
    const QImage shown = game.window->shownWindowPixels().convertToFormat(QImage::Format_RGB32);
    const QRect layout = game.window->view().toWindow(QRect(QPoint(0, 0), game.window->layout().size));
    ASSERT_EQ(shown.size(), game.window->size());
    EXPECT_EQ(layout.left(), shown.width() - 1 - layout.right());
    EXPECT_EQ(layout.height(), shown.height());
    EXPECT_TRUE(allBlack(shown, QRect(0, 0, layout.left(), shown.height())));
    EXPECT_TRUE(
        allBlack(shown, QRect(layout.right() + 1, 0, shown.width() - layout.right() - 1, shown.height())));

    const Artwork& artwork = game.window->artwork();
    const QRect titleBand(artwork.pictureLeft, artwork.pictureTop, artwork.machinePicture.width(), 40);
    EXPECT_EQ(shown.copy(game.window->view().toWindow(titleBand)),
              artwork.machinePicture.copy(0, 0, titleBand.width(), titleBand.height()));
}

} // namespace
} // namespace zantaro::testing
