// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_scale.h"

#include <algorithm>

namespace zantaro {

namespace {

std::int64_t roundStep(std::int64_t span, int maxSteps)
{
    std::int64_t power = 1;
    while (power * 10 <= span / maxSteps)
        power *= 10;
    for (const std::int64_t factor : {1, 2, 5, 10})
        if (span / (factor * power) <= maxSteps)
            return factor * power;
    return 10 * power;
}

std::int64_t floorTo(std::int64_t value, std::int64_t step)
{
    const std::int64_t quotient = value / step;
    return (value % step < 0 ? quotient - 1 : quotient) * step;
}

} // namespace

ChartScale ChartScale::over(std::int64_t lowest, std::int64_t highest, int maxSteps)
{
    if (highest <= lowest)
        highest = lowest + 1;
    const std::int64_t step = roundStep(highest - lowest, std::max(1, maxSteps));
    ChartScale scale;
    scale.low = floorTo(lowest, step);
    scale.high = floorTo(highest, step) + (highest % step == 0 ? 0 : step);
    for (std::int64_t tick = scale.low; tick <= scale.high; tick += step)
        scale.ticks.push_back(tick);
    return scale;
}

int ChartScale::yOf(std::int64_t value, const QRect& area) const
{
    const double fraction = static_cast<double>(value - low) / static_cast<double>(high - low);
    return area.bottom() - static_cast<int>(fraction * area.height());
}

} // namespace zantaro
