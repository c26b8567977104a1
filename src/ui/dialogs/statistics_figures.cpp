#include "statistics_figures.h"

namespace zantaro {

StatisticsFigures statisticsOf(const GameState& state)
{
    using Wide = std::int64_t;
    StatisticsFigures figures;
    figures.spinTotal = Wide{state.Spins} + state.NumberOfCherryRolls + state.NumberOfBarRolls;
    figures.regularSpins = state.Spins;
    figures.freeSpins = state.NumberOfBarRolls;
    figures.credits = state.Credits;
    figures.borrowed = state.Borrowed;
    figures.totalBets = state.TotalBets;
    figures.payoffs = Wide{state.Credits} - state.Borrowed + state.TotalBets;
    figures.normalPayoffs = Wide{state.Credits} - state.Borrowed - state.DoubleOrNothingWon -
                            state.BellPoolWon - state.CherryRollsWon - state.BarRollWon + state.TotalBets;
    figures.freeSpinWinnings = state.BarRollWon;
    figures.bonusPoolWinnings = state.BellPoolWon;
    figures.doubleOrNothing = state.DoubleOrNothingWon;
    if (state.TotalBets > 0) {
        const Wide kept = Wide{state.Credits} - state.DoubleOrNothingWon - state.Borrowed + state.TotalBets;
        figures.payoffPercentage = static_cast<double>(kept) / static_cast<double>(state.TotalBets) * 100.0;
    }
    return figures;
}

} // namespace zantaro
