// SPDX-License-Identifier: GPL-3.0-or-later
#include "payout.h"

#include "timings.h"

namespace zantaro {

namespace {

void startLineFlashUnlessAutoSpin(GameContext& context)
{
    if (context.state.firstWinningLine >= 0 && !context.state.autoSpin)
        context.host.timers.setTimerActive(GameTimer::LineFlash, true);
}

Script offerDoubleOrNothing(GameContext& context)
{
    GameState& state = context.state;
    const std::int32_t stake = state.winnings;
    state.playAgain = true;
    context.phase = SpinPhase::OfferingDoubleOrNothing;
    while (state.playAgain) {
        // Each game window starts without a replay; only a switch to the other game asks for one.
        state.playAgain = false;
        context.doubleOrNothingAnswered = false;
        const bool over = context.host.prompts.playDoubleOrNothing(
            state.bonusGame ? DoubleOrNothingGame::Pyramid : DoubleOrNothingGame::CardGame);
        if (!over && !context.doubleOrNothingAnswered)
            co_await ScriptSuspension{context.waiting, ScriptWait::Kind::Answer};
    }
    context.phase = SpinPhase::Evaluating;
    if (context.recall) {
        context.recall->doubleOrNothingPlayed = true;
        context.recall->doubleOrNothingStake = stake;
        context.recall->doubleOrNothingResult = state.winnings;
    }
}

} // namespace

Script presentAndPayWinnings(GameContext& context, PayTable table, std::int32_t& paid)
{
    GameState& state = context.state;
    const bool regular = table == PayTable::Regular;
    context.showWinnings(true);
    co_await context.cue(SoundCue::Win);
    if (!regular)
        startLineFlashUnlessAutoSpin(context);
    if (state.doubleOn && !context.finishAtOnce)
        co_await offerDoubleOrNothing(context);
    context.showWinnings(true);
    if (regular)
        startLineFlashUnlessAutoSpin(context);

    paid = state.winnings;
    if (state.payMode) {
        co_await countOff(context);
    } else {
        addSaturated(state.credits, state.winnings);
        context.changed(Piece::Credits);
        if (state.winnings > 0)
            co_await context.cue(SoundCue::Paid);
    }
}

Script countOff(GameContext& context)
{
    GameState& state = context.state;
    context.phase = SpinPhase::CountingOff;
    while (state.winnings > 0) {
        if (context.finishAtOnce) {
            addSaturated(state.credits, state.winnings);
            state.winnings = 0;
            context.changed(Piece::Credits);
            break;
        }
        const std::int32_t step = countOffStep(state.winnings);
        addSaturated(state.credits, step);
        state.winnings -= step;
        co_await context.cue(SoundCue::CountStep);
        context.changed(Piece::Credits);
        co_await context.pause(timings::CountStep);
    }
    context.phase = SpinPhase::Evaluating;
}

} // namespace zantaro
