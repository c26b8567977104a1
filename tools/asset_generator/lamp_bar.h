// SPDX-License-Identifier: GPL-3.0-or-later
// The bar of eight bonus lamps: lit lamps in the top row, the same lamps unlit below.
#pragma once

#include <QImage>

namespace zantaro::assets {

inline constexpr int LampCount = 8;

// 8 x lampWidth by 2 x lampHeight. Lamp 0 marks the Automatic Loser, 2 doubled pays, 4 a free
// spin and 6 the bonus pool; the odd lamps win nothing and stay plain.
QImage lampBar(int lampWidth, int lampHeight);

} // namespace zantaro::assets
