// SPDX-License-Identifier: GPL-3.0-or-later
#include "borrow_account.h"

#include "number_formats.h"

#include <limits>

namespace zantaro {

namespace {

constexpr std::int64_t LargestAmount = std::numeric_limits<std::int32_t>::max();

} // namespace

std::optional<std::string> moveCredits(GameState& state, BorrowMode mode, std::int32_t amount)
{
    if (mode == BorrowMode::Borrow) {
        // Both counts are 32-bit: a borrow past the largest one would wrap them to negative.
        if (std::int64_t{state.credits} + amount > LargestAmount ||
            std::int64_t{state.borrowed} + amount > LargestAmount)
            return "You cannot borrow that much: the game cannot hold more than " +
                   groupedNumber(LargestAmount, 0) + " credits.";
        state.credits += amount;
        state.borrowed += amount;
        return std::nullopt;
    }
    if (state.credits < amount)
        return "You do not have " + fixedPoint(amount, 7, 2) + " credits!";
    if (state.borrowed < amount)
        return "You cannot pay back more credits than you have borrowed!";
    state.credits -= amount;
    state.borrowed -= amount;
    return std::nullopt;
}

} // namespace zantaro
