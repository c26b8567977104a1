// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation.h"

#include "bonus_features.h"
#include "payout.h"
#include "paytable.h"

#include <algorithm>

namespace zantaro {

namespace {

// The line pays its matched row (0: none).
void payLine(GameContext& context, PayTable table, int line, int row)
{
    GameState& state = context.state;
    std::int64_t pay = row == 0 ? 0 : static_cast<std::int64_t>(rowPays(table)[row - 1]) * state.coinsPerLine;
    if (state.doublePayoff)
        pay *= 2;
    std::int32_t linePay = 0;
    addSaturated(linePay, pay);
    state.linePay[line - 1] = linePay;
    if (linePay > 0) {
        state.spinReport.push_back({MessageId::LinePaid, line, linePay});
        if (state.firstWinningLine == -1)
            state.firstWinningLine = line - 1;
    }
    addSaturated(state.winnings, linePay);
}

Script evaluate(GameContext& context, PayTable table)
{
    GameState& state = context.state;
    const bool regular = table == PayTable::Regular;
    context.phase = SpinPhase::Evaluating;
    if (regular)
        context.reseed();
    state.firstWinningLine = -1;
    state.spinReport.clear();
    context.view.highlightTicks = 0;

    if (const std::optional<SoundCue> cue = applyLampOutcome(context))
        co_await context.cue(*cue);
    // Loading keeps the lines within 0..8, but a game can be handed in whole; only the eight lines
    // that exist are read.
    const int lines = std::clamp<std::int32_t>(state.linesPlayed, 0, PaylineCount);
    for (int line = 1; line <= lines; ++line) {
        // A line's bell count and its fruit come first, each with its cue; then it pays its row.
        const auto& wheels = Paylines[line - 1];
        const std::uint8_t s1 = state.shownSymbol(wheels[0]);
        const std::uint8_t s2 = state.shownSymbol(wheels[1]);
        const std::uint8_t s3 = state.shownSymbol(wheels[2]);
        if (regular && isBellLine(s1, s2, s3))
            co_await countBellLine(context, line);
        const int row = firstMatchingRow(table, s1, s2, s3);
        if (regular && countFruitLine(context, row))
            co_await context.cue(SoundCue::FruitLine);
        payLine(context, table, line, row);
    }
    if (regular) {
        if (bellPoolIsWon(state))
            co_await winBellPool(context);
        if (allFruitIsCollected(state))
            co_await refillFruit(context);
    }
    if (state.winnings > 0) {
        std::int32_t paid = 0;
        co_await presentAndPayWinnings(context, table, paid);
        if (!regular)
            addSaturated(state.barRollWon, paid);
        if (context.recall)
            context.recall->winnings = paid;
    }
    if (state.spinReport.empty())
        state.spinReport.push_back({MessageId::NoWinningLines});
}

} // namespace

Script evaluateSpin(GameContext& context)
{
    return evaluate(context, PayTable::Regular);
}

Script evaluateFreeSpin(GameContext& context)
{
    return evaluate(context, PayTable::FreeSpin);
}

} // namespace zantaro
