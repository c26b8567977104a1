#include "game_state.h"

#include "reels.h"

#include <charconv>

namespace zantaro {

GameState startupGameState()
{
    GameState state;
    state.Spinning = false;
    state.Spins = 0;
    state.Lightning = 3;
    state.PayMode = true;
    state.Melons = 1;
    state.Apples = 2;
    state.Grapes = 3;
    state.BonusLamp = 0;
    state.BonusGame = true;
    state.Lamps.fill(false);
    BuildNormalStrips(state);
    state.WheelPos = {4, 1, 6, 7, 10, 9, 3, 0, 12};
    state.CoinsPerLine = 1;
    state.LinesPlayed = 8;
    ResetGame(state);
    state.RestoreStrips = false;
    state.FreeSpinMode = false;
    state.Sound = true;
    state.AutoSpin = false;
    state.AutoSave = true;
    state.Double = true;
    return state;
}

void ResetGame(GameState& state)
{
    state.FreeSpinsPending = 0;
    state.Credits = 1000;
    state.Borrowed = 1000;
    state.Melons = 1;
    state.Apples = 2;
    state.Grapes = 3;
    state.Lightning = 3;
    state.Spins = 0;
    state.BellPool = 100;
    state.BellPoolWon = 0;
    state.CherryRollsWon = 0;
    state.DoubleOrNothingWon = 0;
    state.BarRollWon = 0;
    state.NumberOfCherryRolls = 0;
    state.NumberOfBarRolls = 0;
    state.GotBonusCount = 0;
    state.SevensWon = 0;
    state.FruitWon = 0;
    state.TotalBets = 0;
}

void appendCapped(std::string& text, std::string_view addition)
{
    if (text.size() >= MaxReportLength)
        return;
    text.append(addition.substr(0, MaxReportLength - text.size()));
}

DecimalText::DecimalText(std::int64_t value)
{
    m_length = static_cast<std::size_t>(std::to_chars(m_digits.data(), m_digits.data() + m_digits.size(), value).ptr -
                                        m_digits.data());
}

} // namespace zantaro
