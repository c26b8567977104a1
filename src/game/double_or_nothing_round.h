// SPDX-License-Identifier: GPL-3.0-or-later
// DoubleOrNothingRound: one double-or-nothing window's turn at the spin's winnings - what the game
// may do to them (multiply or divide, lose them all), how the turn ends (keep the winnings, or
// switch to the other game) and the tally of double-or-nothing won when the window closes. The
// card table and the Pyramid both play through it.
#pragma once

#include "game_state.h"
#include "host.h"

#include <cstdint>

namespace zantaro {

class DoubleOrNothingRound
{
public:
    // Opening the window: no replay asked for yet, the winnings at the start noted.
    explicit DoubleOrNothingRound(GameState& state);

    // Winnings times the multiplier, then divided by the divisor. The product stops at the
    // largest amount instead of wrapping into a negative or a smaller one.
    void scaleWinnings(std::int32_t multiplier, std::int32_t divisor = 1);
    void loseWinnings() { m_state.winnings = 0; }

    // "&OK": keep the winnings and end the double-or-nothing offer.
    void keepWinnings() { m_state.playAgain = false; }
    // The other game becomes the chosen one, and is played next while there is something to
    // play for.
    void switchTo(DoubleOrNothingGame game);

    // The window has closed, however it closed: the net change counts as double-or-nothing won.
    // Only the first call counts.
    void settle();

private:
    GameState& m_state;
    std::int32_t m_winningsAtOpen = 0;
    bool m_settled = false;
};

} // namespace zantaro
