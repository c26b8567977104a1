// SPDX-License-Identifier: GPL-3.0-or-later
// The player's words for a spin recall, in the player's language: a heading with the bet, then the
// lamp with its effect, the bonus events in the order they happened, each paying line, the
// double-or-nothing round and the payout.
#pragma once

#include "game/spin_recall.h"

#include <QString>
#include <QStringList>

namespace zantaro {

// "10:00:00 UTC  Spin: 8 lines x 1 coin, bet 8" or "... Free spin: 8 lines x 1 coin".
QString recallHeading(const SpinRecall& recall);

QStringList recallLines(const SpinRecall& recall);

} // namespace zantaro
