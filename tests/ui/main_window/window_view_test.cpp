// SPDX-License-Identifier: GPL-3.0-or-later
// Where the drawn layout stands in the main window: centred at its own size on whole device pixels,
// and in full screen as large as fits.
#include "support/named_cases.h"
#include "ui/main_window/window_view.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

struct ViewCase : NamedCase
{
    QSize layout;
    QSize window;
    qreal devicePixelRatio;
    bool fill;
    QPointF offset;
    qreal scale;
};

class CentredView : public ::testing::TestWithParam<ViewCase>
{
};

TEST_P(CentredView, putsTheLayoutWhereTheCaseSays)
{
    const ViewCase& c = GetParam();
    const WindowView view = WindowView::centred(c.layout, c.window, c.devicePixelRatio, c.fill);
    EXPECT_NEAR(view.scale(), c.scale, 1e-4);
    EXPECT_NEAR(view.offset().x(), c.offset.x(), 1e-4);
    EXPECT_NEAR(view.offset().y(), c.offset.y(), 1e-4);
}

// Qt reads a zoom of 1.28 as 1.2799988; the view sees through that.
constexpr qreal Zoom128 = 83886.0 / 65536;

INSTANTIATE_TEST_SUITE_P(
    WindowView, CentredView,
    ::testing::Values(
        ViewCase{{"atZoom1TheMiddleIsWhole"}, {1214, 690}, {1270, 690}, 1.0, false, {28, 0}, 1.0},
        ViewCase{{"atZoom1_5TheMiddleMovesToTheNextEvenPixel"},
                 {1152, 690},
                 {1270, 690},
                 1.5,
                 false,
                 {58, 0},
                 1.0},
        ViewCase{{"atZoom1_28OnlyMultiplesOf25AreWholeDevicePixels"},
                 {940, 685},
                 {990, 690},
                 Zoom128,
                 false,
                 {25, 0},
                 1.0},
        ViewCase{{"atZoom3EveryPixelIsWhole"}, {1152, 690}, {1270, 690}, 3.0, false, {59, 0}, 1.0},
        ViewCase{{"withoutAWholeOffsetNearTheMiddleTheMiddleIsTaken"},
                 {1000, 690},
                 {1100, 690},
                 1280.0 / 1007,
                 false,
                 {50, 0},
                 1.0},
        ViewCase{{"aBiggerWindowCentresBothWays"}, {1152, 690}, {1280, 800}, 1.0, false, {64, 55}, 1.0},
        ViewCase{{"fullScreenAt1920x1080FillsTheHeight"},
                 {1152, 690},
                 {1280, 720},
                 1.5,
                 true,
                 {58 / 1.5, 0},
                 720.0 / 690},
        ViewCase{{"fullScreenAt1280x1024FillsTheWidth"},
                 {1152, 690},
                 {1280, 1024},
                 1.0,
                 true,
                 {0, 129},
                 1280.0 / 1152}),
    caseName);

TEST(WindowView, rectanglesThatMeetInTheLayoutMeetInTheScaledWindow)
{
    const WindowView view = WindowView::centred({1152, 690}, {1280, 720}, 1.5, true);
    for (int row = 0; row < 7; ++row) {
        const QRect lower = view.toWindow(QRect(1000, 300 + 20 * row, 64, 20));
        const QRect upper = view.toWindow(QRect(1000, 320 + 20 * row, 64, 20));
        const QRect beside = view.toWindow(QRect(1064, 300 + 20 * row, 64, 20));
        EXPECT_EQ(lower.bottom() + 1, upper.top());
        EXPECT_EQ(lower.right() + 1, beside.left());
    }
}

} // namespace
} // namespace zantaro::testing
