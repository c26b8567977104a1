// ChartScale: a value axis over a range, widened to round numbers, with its tick values.
#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

namespace zantaro {

struct ChartScale
{
    std::int64_t low = 0;
    std::int64_t high = 1;
    std::vector<std::int64_t> ticks;

    // About five ticks at a round step (1, 2 or 5 times a power of ten) covering lowest..highest.
    static ChartScale over(std::int64_t lowest, std::int64_t highest);

    int yOf(std::int64_t value, const QRect& area) const;
};

} // namespace zantaro
