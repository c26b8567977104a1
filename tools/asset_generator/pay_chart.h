// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the payoff chart window: both payoff tables drawn with the symbols, the bonus
// lamps and the rules of the bonus features.
#pragma once

#include <QImage>

namespace zantaro::assets {

inline constexpr QSize PayChartSize(632, 440); // fits a 640 x 480 screen with its title bar

QImage payChart();

} // namespace zantaro::assets
