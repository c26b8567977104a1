// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation of a stopped spin: the lamp outcome, the paylines by the payoff table, the bell
// pool and fruit counters, and the payout of what was won.
#pragma once

#include "game_context.h"

namespace zantaro {

// The regular evaluation of a paid spin.
Script evaluateSpin(GameContext& context);

// The evaluation of a free spin: the free-spin table, no bell or fruit counting.
Script evaluateFreeSpin(GameContext& context);

} // namespace zantaro
