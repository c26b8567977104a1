// SPDX-License-Identifier: GPL-3.0-or-later
#include "double_or_nothing_round.h"

#include "game_context.h"

namespace zantaro {

DoubleOrNothingRound::DoubleOrNothingRound(GameState& state) : m_state(state)
{
    m_state.playAgain = false;
    m_winningsAtOpen = m_state.winnings;
}

void DoubleOrNothingRound::scaleWinnings(std::int32_t multiplier, std::int32_t divisor)
{
    std::int32_t& winnings = m_state.winnings;
    addSaturated(winnings, static_cast<std::int64_t>(winnings) * (multiplier - 1));
    winnings /= divisor;
}

void DoubleOrNothingRound::switchTo(DoubleOrNothingGame game)
{
    m_state.bonusGame = game == DoubleOrNothingGame::Pyramid;
    if (m_state.winnings > 0)
        m_state.playAgain = true;
}

void DoubleOrNothingRound::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    addSaturated(m_state.doubleOrNothingWon, static_cast<std::int64_t>(m_state.winnings) - m_winningsAtOpen);
}

} // namespace zantaro
