// SPDX-License-Identifier: GPL-3.0-or-later
// The winnings of a spin: shown, offered to the double-or-nothing games, and paid at once or
// counted off step by step.
#pragma once

#include "game_context.h"
#include "paytable.h"

namespace zantaro {

// Runs while Winnings > 0 after the lines and the bell pool; returns the credits paid, that is
// Winnings as the double-or-nothing games left it.
Script presentAndPayWinnings(GameContext& context, PayTable table, std::int32_t& paid);

// Pays Winnings into Credits in steps of 25, 10, 5 and 1, 0.1 s apart.
Script countOff(GameContext& context);

// The step of counting off for the winnings still to pay.
constexpr std::int32_t countOffStep(std::int32_t winnings)
{
    return winnings >= 1000 ? 25 : winnings >= 100 ? 10 : winnings >= 25 ? 5 : 1;
}

} // namespace zantaro
