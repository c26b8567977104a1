// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation.h"

#include "bonus_features.h"
#include "payout.h"
#include "paytable.h"

#include <algorithm>

namespace zantaro {

namespace {

void evaluateLine(GameContext& context, PayTable table, int line)
{
    GameState& state = context.state;
    const auto& wheels = Paylines[line - 1];
    const std::uint8_t s1 = state.shownSymbol(wheels[0]);
    const std::uint8_t s2 = state.shownSymbol(wheels[1]);
    const std::uint8_t s3 = state.shownSymbol(wheels[2]);
    const bool regular = table == PayTable::Regular;

    if (regular && isBellLine(s1, s2, s3))
        countBellLine(context, line);
    const int row = firstMatchingRow(table, s1, s2, s3);
    if (regular)
        countFruitLine(context, row);

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

void evaluate(GameContext& context, PayTable table)
{
    GameState& state = context.state;
    const bool regular = table == PayTable::Regular;
    if (regular)
        context.reseed();
    state.firstWinningLine = -1;
    state.spinReport.clear();
    state.highlightTicks = 0;

    applyLampOutcome(context);
    // Loading keeps the lines within 0..8, but a game can be handed in whole; only the eight lines
    // that exist are read.
    const int lines = std::clamp<std::int32_t>(state.linesPlayed, 0, PaylineCount);
    for (int line = 1; line <= lines; ++line)
        evaluateLine(context, table, line);
    if (regular) {
        checkBellPool(context);
        refillFruit(context);
    }
    if (state.winnings > 0) {
        const std::int32_t paid = presentAndPayWinnings(context, table);
        if (!regular)
            addSaturated(state.barRollWon, paid);
        if (context.recall)
            context.recall->winnings = paid;
    }
    if (state.spinReport.empty())
        state.spinReport.push_back({MessageId::NoWinningLines});
}

} // namespace

void evaluateSpin(GameContext& context)
{
    evaluate(context, PayTable::Regular);
}

void evaluateFreeSpin(GameContext& context)
{
    evaluate(context, PayTable::FreeSpin);
}

} // namespace zantaro
