// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel pictures: the sheet of twelve symbols and the blurred strip shown while a wheel turns.
#pragma once

#include <QImage>

namespace zantaro::assets {

// Rows of a motion strip; a wheel window runs over it as a vertical loop.
inline constexpr int MotionStripHeight = 576;

// Four columns by three rows of `cellSize` squares; code k at ((k mod 4), (k div 4)) x cellSize.
QImage symbolSheet(int cellSize);

// One column `cellSize` wide and MotionStripHeight high: symbols smeared by vertical motion,
// seamless where row MotionStripHeight - 1 meets row 0.
QImage motionStrip(int cellSize);

} // namespace zantaro::assets
