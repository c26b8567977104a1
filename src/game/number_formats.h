// SPDX-License-Identifier: GPL-3.0-or-later
// The number formats of the side windows, independent of the process locale: thousands grouped
// with "," and fixed-point text with ".", each filled on the left with spaces to a minimum width.
#pragma once

#include <cstdint>
#include <string>

namespace zantaro {

// "%<width>.0n": 1234567 at width 10 is " 1,234,567"; -1234 is "    -1,234".
std::string groupedNumber(std::int64_t value, int width);

// "%<width>.<decimals>f": 100 at width 7 with 2 decimals is " 100.00".
std::string fixedPoint(double value, int width, int decimals);

// Appends "%0<width>d": 7 at width 2 is "07".
void appendDigits(std::string& text, int value, int width);

} // namespace zantaro
