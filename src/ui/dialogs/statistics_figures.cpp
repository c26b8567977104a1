// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_figures.h"

namespace zantaro {

StatisticsFigures statisticsOf(const GameState& state)
{
    using Wide = std::int64_t;
    StatisticsFigures figures;
    figures.spinTotal = Wide{state.spins} + state.numberOfCherryRolls + state.numberOfBarRolls;
    figures.regularSpins = state.spins;
    figures.freeSpins = state.numberOfBarRolls;
    figures.credits = state.credits;
    figures.borrowed = state.borrowed;
    figures.totalBets = state.totalBets;
    figures.payoffs = Wide{state.credits} - state.borrowed + state.totalBets;
    figures.normalPayoffs = Wide{state.credits} - state.borrowed - state.doubleOrNothingWon -
                            state.bellPoolWon - state.cherryRollsWon - state.barRollWon + state.totalBets;
    figures.freeSpinWinnings = state.barRollWon;
    figures.bonusPoolWinnings = state.bellPoolWon;
    figures.doubleOrNothing = state.doubleOrNothingWon;
    if (state.totalBets > 0) {
        const Wide kept = Wide{state.credits} - state.doubleOrNothingWon - state.borrowed + state.totalBets;
        figures.payoffPercentage = static_cast<double>(kept) / static_cast<double>(state.totalBets) * 100.0;
    }
    return figures;
}

} // namespace zantaro
