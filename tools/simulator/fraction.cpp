// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction.h"

#include <numeric>
#include <stdexcept>

namespace zantaro::simulator {

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        throw std::invalid_argument("a fraction needs a denominator other than 0");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t divisor = std::gcd(numerator, denominator);
    m_numerator = numerator / divisor;
    m_denominator = denominator / divisor;
}

std::string Fraction::text() const
{
    return std::to_string(m_numerator) + "/" + std::to_string(m_denominator);
}

Fraction Fraction::operator+(const Fraction& other) const
{
    const std::int64_t common = std::lcm(m_denominator, other.m_denominator);
    return {m_numerator * (common / m_denominator) + other.m_numerator * (common / other.m_denominator),
            common};
}

Fraction Fraction::operator*(std::int64_t factor) const
{
    return {m_numerator * factor, m_denominator};
}

} // namespace zantaro::simulator
