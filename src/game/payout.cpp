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

void offerDoubleOrNothing(GameContext& context)
{
    GameState& state = context.state;
    const std::int32_t stake = state.winnings;
    state.playAgain = true;
    while (state.playAgain) {
        // Each game window starts without a replay; only a switch to the other game asks for one.
        state.playAgain = false;
        context.host.prompts.playDoubleOrNothing(state.bonusGame ? DoubleOrNothingGame::Pyramid
                                                                 : DoubleOrNothingGame::CardGame);
    }
    if (context.recall) {
        context.recall->doubleOrNothingPlayed = true;
        context.recall->doubleOrNothingStake = stake;
        context.recall->doubleOrNothingResult = state.winnings;
    }
}

} // namespace

std::int32_t presentAndPayWinnings(GameContext& context, PayTable table)
{
    GameState& state = context.state;
    const bool regular = table == PayTable::Regular;
    context.host.presenter.drawWinningsReadout(true);
    context.playCue(SoundCue::Win);
    if (!regular)
        startLineFlashUnlessAutoSpin(context);
    if (state.doubleOn && !context.finishAtOnce)
        offerDoubleOrNothing(context);
    context.host.presenter.drawWinningsReadout(true);
    if (regular)
        startLineFlashUnlessAutoSpin(context);

    const std::int32_t paid = state.winnings;
    if (state.payMode) {
        countOff(context);
    } else {
        addSaturated(state.credits, state.winnings);
        context.host.presenter.drawCredits();
        if (state.winnings > 0)
            context.playCue(SoundCue::Paid);
    }
    return paid;
}

void countOff(GameContext& context)
{
    GameState& state = context.state;
    while (state.winnings > 0) {
        if (context.finishAtOnce) {
            addSaturated(state.credits, state.winnings);
            state.winnings = 0;
            context.host.presenter.drawCredits();
            break;
        }
        const std::int32_t step = countOffStep(state.winnings);
        addSaturated(state.credits, step);
        state.winnings -= step;
        context.playCue(SoundCue::CountStep);
        context.host.presenter.drawCredits();
        context.wait(timings::CountStep);
    }
}

} // namespace zantaro
