// SPDX-License-Identifier: GPL-3.0-or-later
// ZoomChoice: the zoom at which the machine fills the screen's available area, chosen once at
// start-up; the game lays itself out for the logical screen (the available area divided by it).
#pragma once

#include <QMargins>
#include <QSize>
#include <functional>

namespace zantaro {

// The height of the drawn layout, in logical pixels, for a logical screen of the given width.
using DrawnHeight = std::function<int(int logicalScreenWidth)>;

// The narrowest logical screen the layouts are drawn for.
inline constexpr int NarrowestLogicalScreen = 640;

// What the window manager adds around the window; not known before the window is shown, so this
// generous allowance stands in for it.
inline constexpr QMargins FrameAllowance(4, 32, 4, 4);

// The blank edge the drawn layout keeps at its left and top (the first counters and labels stand
// 5 pixels in), kept at its right and bottom too.
inline constexpr int LayoutMargin = 5;

// The logical screen the layout measures at `zoom`: Qt rounds the scaled size the same way.
QSize logicalScreen(QSize available, double zoom);

// The window's client size for a logical screen: the layout's width rule, and its drawn height
// with the layout's margin below.
QSize windowSize(QSize logicalScreen, int drawnHeight);

// The smallest zoom at which the drawn layout spans 85% of the available height while the framed
// window stays inside `available`, so the largest layout that can fill the screen is drawn.
// Quarter steps are preferred, since they keep pixel edges regular; when none of them is enough,
// any zoom that gives a whole-pixel logical width may be taken, and when no zoom is, the one that
// fills the most. Never below 1.
double chooseZoom(QSize available, QMargins frame, const DrawnHeight& drawnHeight);

} // namespace zantaro
