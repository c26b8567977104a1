// SPDX-License-Identifier: GPL-3.0-or-later
// The player's words for a spin recall: a heading with the bet, then the lamp with its effect, the
// bonus events in the order they happened, each paying line, the double-or-nothing round and the
// payout.
#pragma once

#include "spin_recall.h"

#include <string>
#include <vector>

namespace zantaro {

// "10:00:00 UTC  Spin: 8 lines x 1 coin, bet 8" or "... Free spin: 8 lines x 1 coin".
std::string recallHeading(const SpinRecall& recall);

std::vector<std::string> recallLines(const SpinRecall& recall);

} // namespace zantaro
