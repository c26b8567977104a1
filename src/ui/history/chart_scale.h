// SPDX-License-Identifier: GPL-3.0-or-later
// ChartScale: a value axis over a range, widened to round numbers, with its tick values.
#pragma once

#include <QRect>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace zantaro {

struct ChartScale
{
    std::int64_t low = 0;
    std::int64_t high = 1;
    std::vector<std::int64_t> ticks;

    // At most about maxSteps steps of a round size (1, 2 or 5 times a power of ten) from a tick at
    // or under lowest to one at or over highest.
    static ChartScale over(std::int64_t lowest, std::int64_t highest, int maxSteps = 5);

    // The most steps a value axis of this height can label without its labels touching.
    static int stepsFor(int pixelHeight) { return std::clamp(pixelHeight / 24, 1, 5); }

    int yOf(std::int64_t value, const QRect& area) const;
};

} // namespace zantaro
