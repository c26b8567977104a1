// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_state.h"

#include "reels.h"

#include <charconv>

namespace zantaro {

GameState startupGameState()
{
    GameState state;
    state.spinning = false;
    state.spins = 0;
    state.lightning = 3;
    state.payMode = true;
    state.melons = 1;
    state.apples = 2;
    state.grapes = 3;
    state.bonusLamp = 0;
    state.bonusGame = true;
    state.lamps.fill(false);
    buildNormalStrips(state);
    state.wheelPos = {4, 1, 6, 7, 10, 9, 3, 0, 12};
    state.coinsPerLine = 1;
    state.linesPlayed = 8;
    resetGame(state);
    state.restoreStrips = false;
    state.freeSpinMode = false;
    state.sound = true;
    state.autoSpin = false;
    state.autoSave = true;
    state.doubleOn = true;
    return state;
}

void resetGame(GameState& state)
{
    state.freeSpinsPending = 0;
    state.credits = 1000;
    state.borrowed = 1000;
    state.melons = 1;
    state.apples = 2;
    state.grapes = 3;
    state.lightning = 3;
    state.spins = 0;
    state.bellPool = 100;
    state.bellPoolWon = 0;
    state.cherryRollsWon = 0;
    state.doubleOrNothingWon = 0;
    state.barRollWon = 0;
    state.numberOfCherryRolls = 0;
    state.numberOfBarRolls = 0;
    state.gotBonusCount = 0;
    state.sevensWon = 0;
    state.fruitWon = 0;
    state.totalBets = 0;
}

void appendCapped(std::string& text, std::string_view addition)
{
    if (text.size() >= MaxReportLength)
        return;
    text.append(addition.substr(0, MaxReportLength - text.size()));
}

DecimalText::DecimalText(std::int64_t value)
{
    m_length = static_cast<std::size_t>(
        std::to_chars(m_digits.data(), m_digits.data() + m_digits.size(), value).ptr - m_digits.data());
}

} // namespace zantaro
