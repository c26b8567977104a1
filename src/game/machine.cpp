// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine.h"

#include "evaluation.h"
#include "paytable.h"
#include "reels.h"
#include "timings.h"

namespace zantaro {

namespace {

constexpr int AutoSaveEverySpins = 25;

} // namespace

Machine::Machine(GameState& state, GameHost host, RandomGenerator& random)
    : m_context{state, host, random}, m_animation(m_context)
{
}

void Machine::requestSpin()
{
    if (answerFor(m_context.phase, SpinCommand::Spin) != CommandAnswer::ActNow)
        return;
    // Never Idle from the command's first step on, so that nothing acts on half a spin.
    m_context.phase = SpinPhase::Turning;
    m_script = spinCommand();
    runScript(m_script.handle());
}

Script Machine::spinCommand()
{
    GameState& state = m_context.state;
    for (;;) {
        if (acceptBet()) {
            // One spin, regular or free, followed by the free spins it earns.
            co_await spinOnce();
            const bool freeSpinsEarned = state.freeSpinsPending > 0;
            if (freeSpinsEarned)
                co_await playFreeSpins();
            m_context.host.timers.setTimerActive(GameTimer::FreeSpinBlink, false);
            // The blinking count covered the "Win 3 FREE Spins:" label; it comes back with the series' end.
            if (freeSpinsEarned)
                m_context.changed(Piece::FreeSpinLabel);
        }
        if (!state.autoSpin)
            break;
        if (state.spins % AutoSaveEverySpins == 0 && state.autoSave)
            m_context.host.storage.saveRunningGame();
        m_context.phase = SpinPhase::PausingBetweenAutoSpins;
        co_await m_context.pause(timings::AutoSpinPause);
    }
    m_context.host.timers.setTimerActive(GameTimer::LampBlink, true);
    m_context.finishAtOnce = false;
}

void Machine::advance(std::chrono::milliseconds now)
{
    // A timed wait that has ended is over; the script may then go straight into another that has.
    while (!m_resuming && m_context.waiting.timed() && m_context.waiting.until <= now)
        resume();
}

void Machine::playOut()
{
    while (isSpinRequestRunning() && !m_resuming) {
        if (m_context.waiting.kind == ScriptWait::Kind::Answer)
            m_context.doubleOrNothingAnswered = true;
        resume();
    }
}

void Machine::doubleOrNothingClosed()
{
    m_context.doubleOrNothingAnswered = true;
    if (!m_resuming && m_context.waiting.kind == ScriptWait::Kind::Answer)
        resume();
}

void Machine::resume()
{
    runScript(std::exchange(m_context.waiting, {}).resumePoint);
}

void Machine::runScript(std::coroutine_handle<> from)
{
    m_resuming = true;
    from.resume();
    m_resuming = false;
    if (!m_script.done()) {
        if (m_context.waiting.timed())
            m_context.host.timers.wakeAt(m_context.waiting.until);
        return;
    }
    const Script ended = std::move(m_script);
    m_context.phase = SpinPhase::Idle;
    m_context.waiting = {};
    while (!m_waitingCommands.empty()) {
        const std::function<void()> command = std::move(m_waitingCommands.front());
        m_waitingCommands.pop_front();
        command();
    }
    ended.rethrowFailure();
}

void Machine::finishAtOnce()
{
    GameState& state = m_context.state;
    state.stopRequested = true;
    // Outside a spin command there is nothing to finish, and the flag would cut the next spin short.
    m_context.finishAtOnce = isSpinRequestRunning();
    if (state.autoSpin) {
        state.autoSpin = false;
        m_context.changed(Piece::CommandCaptions);
    }
    if (m_context.phase == SpinPhase::OfferingDoubleOrNothing)
        m_context.host.prompts.closeDoubleOrNothing();
}

void Machine::submit(SpinCommand kind, std::function<void()> command)
{
    switch (answerFor(m_context.phase, kind)) {
    case CommandAnswer::ActNow:
        command();
        break;
    case CommandAnswer::Ignore:
        break;
    case CommandAnswer::Refuse:
        m_context.startCue(SoundCue::Neutral);
        break;
    case CommandAnswer::FinishSpinFirst:
        m_waitingCommands.push_back(std::move(command));
        finishAtOnce();
        break;
    }
}

void Machine::requestStop()
{
    submit(SpinCommand::Stop, [this] { m_context.state.stopRequested = true; });
}

bool Machine::acceptBet()
{
    GameState& state = m_context.state;
    const std::int64_t bet = betOf(state.linesPlayed, state.coinsPerLine);
    // Loading keeps lines and coins within 0..8, but a game can be handed in whole: a negative
    // count of lines and of coins makes a positive product that is no bet, since no line is played.
    if (bet <= 0 || state.linesPlayed < 0)
        m_context.host.prompts.showMessage({MessageId::PlaceBetFirst});
    else if (bet > state.credits)
        m_context.host.prompts.showMessage({MessageId::CreditsTooFewForBet});
    else
        return true;
    state.autoSpin = false;
    m_context.changed(Piece::CommandCaptions);
    return false;
}

Script Machine::spinOnce()
{
    GameState& state = m_context.state;
    GameHost& host = m_context.host;
    m_context.phase = SpinPhase::Turning;

    m_context.reseed();
    state.spinning = true;
    host.timers.setTimerActive(GameTimer::LineFlash, false);
    host.timers.setTimerActive(GameTimer::LampBlink, false);
    if (state.firstWinningLine >= 0)
        m_context.changed(Piece::LineCleared, state.firstWinningLine);
    state.doublePayoff = false;
    state.lamps.fill(false);
    m_context.changed(Piece::Lamp, state.bonusLamp);

    if (state.restoreStrips) {
        buildNormalStrips(state);
        state.wheelPos = state.savedWheelPos;
        state.restoreStrips = false;
        m_context.changed(Piece::Window);
    }
    if (state.freeSpinMode) {
        host.timers.setTimerActive(GameTimer::FreeSpinBlink, true);
    } else {
        const std::int64_t bet = betOf(state.linesPlayed, state.coinsPerLine);
        addSaturated(state.credits, -bet);
        addSaturated(state.totalBets, bet);
    }
    m_context.changed(Piece::Credits);
    m_context.showWinnings(false);

    std::array<int, WheelCount> motionOffsets{};
    drawStops(state, m_context.random, motionOffsets);
    state.linePay.fill(0);
    state.winnings = 0;
    state.stopRequested = false;
    if (!state.freeSpinMode)
        addSaturated(state.spins, 1);

    if (host.presenter.showsAnimation())
        co_await m_animation.run(motionOffsets);
    else
        m_animation.skip();

    SpinRecall recall;
    if (m_history) {
        recall = beginRecall(state, m_context.reseededAt);
        m_context.recall = &recall;
    }
    if (state.freeSpinMode)
        co_await evaluateFreeSpin(m_context);
    else
        co_await evaluateSpin(m_context);
    if (m_history) {
        m_context.recall = nullptr;
        completeRecall(recall, state);
        m_history->record(std::move(recall));
    }
    host.storage.spinSettled();
    state.spinning = false;
}

// Each free spin is a whole spin on the free-spin strips, and one that earns more free spins adds
// them to the same series. The loop plays the series to its end without nesting one spin in
// another, so a long series cannot exhaust the stack. The next spin brings the normal strips back.
Script Machine::playFreeSpins()
{
    GameState& state = m_context.state;
    while (state.freeSpinsPending > 0) {
        state.freeSpinsPending -= 1;
        addSaturated(state.numberOfBarRolls, 1);
        if (!state.freeSpinMode)
            loadFreeSpinStrips(state);
        state.freeSpinMode = true;
        co_await spinOnce();
        if (state.freeSpinsPending == 0) {
            state.freeSpinMode = false;
            state.restoreStrips = true;
        }
    }
}

// An accepted change clicks before the value changes; a refused one plays the neutral cue.
bool Machine::acceptBetChange(bool allowed)
{
    const bool accepted = allowed && !m_context.state.spinning &&
                          answerFor(m_context.phase, SpinCommand::ChangeBet) == CommandAnswer::ActNow;
    m_context.startCue(accepted ? SoundCue::Click : SoundCue::Neutral);
    return accepted;
}

void Machine::addLine()
{
    GameState& state = m_context.state;
    const std::int64_t newBet = betOf(std::int64_t{state.linesPlayed} + 1, state.coinsPerLine);
    if (!acceptBetChange(state.linesPlayed < MaxBetFactor && newBet <= state.credits))
        return;
    state.linesPlayed += 1;
    m_context.changed(Piece::LinesPlayed);
    m_context.changed(Piece::CoinsPlayed);
}

void Machine::addCoin()
{
    GameState& state = m_context.state;
    const std::int64_t newBet = betOf(state.linesPlayed, std::int64_t{state.coinsPerLine} + 1);
    if (!acceptBetChange(state.coinsPerLine < MaxBetFactor && newBet <= state.credits))
        return;
    state.coinsPerLine += 1;
    m_context.changed(Piece::CoinsPerLine);
    m_context.changed(Piece::CoinsPlayed);
}

void Machine::removeLine()
{
    GameState& state = m_context.state;
    if (!acceptBetChange(state.linesPlayed > 0))
        return;
    state.linesPlayed -= 1;
    m_context.changed(Piece::LinesPlayed);
    m_context.changed(Piece::CoinsPlayed);
}

void Machine::removeCoin()
{
    GameState& state = m_context.state;
    if (!acceptBetChange(state.coinsPerLine > 0))
        return;
    state.coinsPerLine -= 1;
    m_context.changed(Piece::CoinsPlayed);
    m_context.changed(Piece::CoinsPerLine);
}

void Machine::newGame()
{
    resetGame(m_context.state);
    if (m_history)
        m_history->clear();
    m_context.changed(Piece::Window);
}

void Machine::leaveLastSpin()
{
    GameState& state = m_context.state;
    m_context.host.timers.setTimerActive(GameTimer::LineFlash, false);
    state.firstWinningLine = -1;
    m_context.view.highlightTicks = 0;
    m_context.view.highlightPhase = false;
    m_context.showWinnings(false);
}

void Machine::blinkBonusLamp()
{
    GameState& state = m_context.state;
    state.lamps[state.bonusLamp] = !state.lamps[state.bonusLamp];
    m_context.changed(Piece::Lamp, state.bonusLamp);
}

void Machine::flashWinningLine()
{
    GameState& state = m_context.state;
    if (state.firstWinningLine < 0)
        return;
    if (m_context.view.highlightTicks >= 6) {
        m_context.changed(Piece::LineCleared, state.firstWinningLine);
        m_context.view.highlightTicks = 0;
        for (int step = 1; step <= PaylineCount; ++step) {
            const int line = (state.firstWinningLine + step) % PaylineCount;
            if (state.linePay[line] != 0) {
                state.firstWinningLine = line;
                break;
            }
        }
    }
    m_context.view.highlightPhase = !m_context.view.highlightPhase;
    if (m_context.view.highlightPhase)
        m_context.changed(Piece::LineHighlight, state.firstWinningLine);
    else
        m_context.changed(Piece::LineCleared, state.firstWinningLine);
    m_context.view.highlightTicks += 1;
}

void Machine::blinkFreeSpinCount()
{
    m_context.view.freeSpinCountLit = !m_context.view.freeSpinCountLit;
    m_context.changed(Piece::FreeSpinCount);
}

} // namespace zantaro
