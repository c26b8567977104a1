#include "payout.h"

#include "timings.h"

namespace zantaro {

namespace {

void startLineFlashUnlessAutoSpin(GameContext& context)
{
    if (context.state.FirstWinningLine >= 0 && !context.state.AutoSpin)
        context.host.timers.setTimerActive(GameTimer::LineFlash, true);
}

void offerDoubleOrNothing(GameContext& context)
{
    GameState& state = context.state;
    const std::int32_t stake = state.Winnings;
    state.PlayAgain = true;
    while (state.PlayAgain) {
        // Each game window starts without a replay; only a switch to the other game asks for one.
        state.PlayAgain = false;
        context.host.prompts.playDoubleOrNothing(state.BonusGame ? DoubleOrNothingGame::Pyramid
                                                         : DoubleOrNothingGame::CardGame);
    }
    if (context.recall) {
        context.recall->doubleOrNothingPlayed = true;
        context.recall->doubleOrNothingStake = stake;
        context.recall->doubleOrNothingResult = state.Winnings;
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
    if (state.Double && !context.finishAtOnce)
        offerDoubleOrNothing(context);
    context.host.presenter.drawWinningsReadout(true);
    if (regular)
        startLineFlashUnlessAutoSpin(context);

    const std::int32_t paid = state.Winnings;
    if (state.PayMode) {
        countOff(context);
    } else {
        addSaturated(state.Credits, state.Winnings);
        context.host.presenter.drawCredits();
        if (state.Winnings > 0)
            context.playCue(SoundCue::Paid);
    }
    return paid;
}

void countOff(GameContext& context)
{
    GameState& state = context.state;
    while (state.Winnings > 0) {
        if (context.finishAtOnce) {
            addSaturated(state.Credits, state.Winnings);
            state.Winnings = 0;
            context.host.presenter.drawCredits();
            break;
        }
        const std::int32_t step = countOffStep(state.Winnings);
        addSaturated(state.Credits, step);
        state.Winnings -= step;
        context.playCue(SoundCue::CountStep);
        context.host.presenter.drawCredits();
        context.Wait(timings::CountStep);
    }
}

} // namespace zantaro
