// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow dialog's rules: borrowing moves Credits and Borrowed up by the same amount, paying
// back moves both down, and a move that the game cannot make is refused with the player's message.
#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zantaro {

enum class BorrowMode
{
    Borrow,
    PayBack
};

// The amounts of the four amount buttons, by button tag.
inline constexpr std::array<std::int32_t, 4> BorrowAmounts{1000, 100, 10, 1};

// Moves amount credits in the given mode. Returns the refusal message when nothing changed.
std::optional<Message> moveCredits(GameState& state, BorrowMode mode, std::int32_t amount);

} // namespace zantaro
