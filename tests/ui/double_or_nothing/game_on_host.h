// SPDX-License-Identifier: GPL-3.0-or-later
// GameOnHost: a game state, a fake host and the random generator joined in the context that the
// game windows and their rules take.
#pragma once

#include "game/game_context.h"

namespace zantaro::testing {

template <typename Host> struct GameOnHost
{
    GameState state;
    Host host;
    RandomGenerator random;
    GameContext context{state, host, random};
};

} // namespace zantaro::testing
