// SPDX-License-Identifier: GPL-3.0-or-later
// Fraction: an exact rational over 64-bit integers, always in lowest terms, for the par sheet's
// exact figures. The denominators met there divide 20^3, so sums and products stay far from overflow.
#pragma once

#include <cstdint>
#include <string>

namespace zantaro::simulator {

class Fraction
{
public:
    Fraction() = default;
    Fraction(std::int64_t numerator, std::int64_t denominator);

    std::int64_t numerator() const { return m_numerator; }
    std::int64_t denominator() const { return m_denominator; }
    double value() const { return static_cast<double>(m_numerator) / static_cast<double>(m_denominator); }

    // "p/q", and "0/1" for zero.
    std::string text() const;

    Fraction operator+(const Fraction& other) const;
    Fraction operator*(std::int64_t factor) const;
    bool operator==(const Fraction& other) const = default;

private:
    std::int64_t m_numerator = 0;
    std::int64_t m_denominator = 1;
};

} // namespace zantaro::simulator
