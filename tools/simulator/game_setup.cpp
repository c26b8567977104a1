// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_setup.h"

#include <string>

namespace zantaro::simulator {

GameState simulatorStartState(const Bet& bet, std::int32_t credits)
{
    GameState state = startupGameState();
    state.linesPlayed = bet.lines;
    state.coinsPerLine = bet.coins;
    state.credits = credits;
    state.doubleOn = false;
    state.payMode = false;
    state.sound = false;
    state.autoSpin = false;
    return state;
}

FreeSpinRunaway::FreeSpinRunaway()
    : std::runtime_error("one spin earned more than " +
                         std::to_string(FreeSpinGuard::MaxFreeSpinsPerCommand) +
                         " free spins in a row; the reseed clock keeps repeating itself (is --clock-step 0?)")
{
}

} // namespace zantaro::simulator
