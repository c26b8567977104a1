// SPDX-License-Identifier: GPL-3.0-or-later
#include "spin_recall.h"

#include <algorithm>

namespace zantaro {

SpinRecall beginRecall(const GameState& state, std::int64_t clockValue)
{
    SpinRecall recall;
    recall.clockValue = clockValue;
    recall.freeSpin = state.freeSpinMode;
    recall.linesPlayed = state.linesPlayed;
    recall.coinsPerLine = state.coinsPerLine;
    if (!state.freeSpinMode) {
        const std::int64_t bet = betOf(state.linesPlayed, state.coinsPerLine);
        recall.bet = static_cast<std::int32_t>(std::clamp<std::int64_t>(bet, 0, INT32_MAX));
    }
    return recall;
}

void completeRecall(SpinRecall& recall, const GameState& state)
{
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        recall.symbols[wheel] = state.shownSymbol(wheel);
    recall.bonusLamp = state.bonusLamp;
    recall.linePays = state.linePay;
    recall.creditsAfter = state.credits;
}

} // namespace zantaro
