#include "double_or_nothing_round.h"

#include "game_context.h"

namespace zantaro {

DoubleOrNothingRound::DoubleOrNothingRound(GameState& state) : m_state(state)
{
    m_state.PlayAgain = false;
    m_winningsAtOpen = m_state.Winnings;
}

void DoubleOrNothingRound::scaleWinnings(std::int32_t multiplier, std::int32_t divisor)
{
    std::int32_t& winnings = m_state.Winnings;
    addSaturated(winnings, static_cast<std::int64_t>(winnings) * (multiplier - 1));
    winnings /= divisor;
}

void DoubleOrNothingRound::switchTo(DoubleOrNothingGame game)
{
    m_state.BonusGame = game == DoubleOrNothingGame::Pyramid;
    if (m_state.Winnings > 0)
        m_state.PlayAgain = true;
}

void DoubleOrNothingRound::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    addSaturated(m_state.DoubleOrNothingWon, static_cast<std::int64_t>(m_state.Winnings) - m_winningsAtOpen);
}

} // namespace zantaro
