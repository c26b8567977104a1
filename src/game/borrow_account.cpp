// SPDX-License-Identifier: GPL-3.0-or-later
#include "borrow_account.h"

#include <limits>

namespace zantaro {

namespace {

constexpr std::int64_t LargestAmount = std::numeric_limits<std::int32_t>::max();

} // namespace

std::optional<Message> moveCredits(GameState& state, BorrowMode mode, std::int32_t amount)
{
    if (mode == BorrowMode::Borrow) {
        // Both counts are 32-bit: a borrow past the largest one would wrap them to negative.
        if (std::int64_t{state.credits} + amount > LargestAmount ||
            std::int64_t{state.borrowed} + amount > LargestAmount)
            return Message{MessageId::BorrowTooMuch, LargestAmount};
        state.credits += amount;
        state.borrowed += amount;
        return std::nullopt;
    }
    if (state.credits < amount)
        return Message{MessageId::CreditsMissing, amount};
    if (state.borrowed < amount)
        return Message{MessageId::PayBackTooMuch};
    state.credits -= amount;
    state.borrowed -= amount;
    return std::nullopt;
}

} // namespace zantaro
