// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_formats.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zantaro {

namespace {

std::string padLeft(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace

void appendDigits(std::string& text, int value, int width)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    text.append(digits, end);
}

std::string groupedNumber(std::int64_t value, int width)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string reversed;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            reversed += ',';
        reversed += static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude != 0);
    if (negative)
        reversed += '-';
    return padLeft(std::string(reversed.rbegin(), reversed.rend()), width);
}

std::string fixedPoint(double value, int width, int decimals)
{
    std::array<char, 400> buffer{}; // room for the largest double in fixed notation
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return padLeft(std::string(buffer.data(), result.ptr), width);
}

} // namespace zantaro
