// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom chosen at start-up for the screens players have, over the drawn heights of the
// generated artwork: the window with its frame stays inside the available area, and on
// landscape screens the drawn layout spans at least 85% of the available height.
#include "platform/zoom_choice.h"
#include "ui/main_window/artwork.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

struct ScreenCase
{
    QSize pixels;
    double desktopScale; // what the desktop already applies, as on a 2x display
    double zoom;
};

int drawnHeight(int logicalWidth)
{
    return drawnHeightFor(testing::buildDirectory(), ScreenFacts{logicalWidth, 0, 32, 96});
}

TEST(ZoomChoice, eachCommonScreenGetsTheZoomThatFillsItAndTheWindowStaysInsideTheAvailableArea)
{
    const ScreenCase cases[] = {
        {{640, 480}, 1, 1.0},   {{800, 600}, 1, 1.25},  {{1280, 1024}, 1, 1.28}, {{1366, 768}, 1, 1.0},
        {{1920, 1080}, 1, 1.5}, {{2560, 1440}, 1, 2.0}, {{3840, 2160}, 2, 1.5},
    };
    for (const ScreenCase& screen : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1x%2").arg(screen.pixels.width()).arg(screen.pixels.height()).toStdString());
        const QSize available = screen.pixels / screen.desktopScale;
        const double zoom = chooseZoom(available, FrameAllowance, drawnHeight);
        EXPECT_DOUBLE_EQ(zoom, screen.zoom);

        const QSize logical = logicalScreen(available, zoom);
        const QSize window = windowSize(logical, drawnHeight(logical.width()));
        EXPECT_LE(window.width() * zoom + FrameAllowance.left() + FrameAllowance.right(), available.width());
        EXPECT_LE(window.height() * zoom + FrameAllowance.top() + FrameAllowance.bottom(),
                  available.height());
        EXPECT_GE(window.height() * zoom / available.height(), 0.85 - 1e-9);
    }
}

TEST(ZoomChoice, aScreenNarrowerThanTheSmallestLayoutOrWithoutArtworkKeepsZoomOne)
{
    EXPECT_DOUBLE_EQ(chooseZoom(QSize(600, 400), FrameAllowance, drawnHeight), 1.0);
    EXPECT_DOUBLE_EQ(chooseZoom(QSize(1920, 1080), FrameAllowance, [](int) { return 0; }), 1.0);
}

TEST(ZoomChoice, theLogicalScreenIsTheAvailableAreaDividedByTheZoom)
{
    EXPECT_EQ(logicalScreen(QSize(1920, 1080), 1.5), QSize(1280, 720));
    EXPECT_EQ(logicalScreen(QSize(1280, 1024), 1.28), QSize(1000, 800));
    EXPECT_EQ(widthClassOf(logicalScreen(QSize(2560, 1440), 2.0).width()), WidthClass::Large);
}

} // namespace
} // namespace zantaro
