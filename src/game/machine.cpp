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

void Machine::RequestSpin()
{
    if (m_requestRunning)
        return;
    m_requestRunning = true;
    GameState& state = m_context.state;
    if (acceptBet())
        RunSpin();
    while (state.AutoSpin) {
        if (state.Spins % AutoSaveEverySpins == 0 && state.AutoSave)
            m_context.host.storage.saveRunningGame();
        m_context.Wait(timings::AutoSpinPause);
        if (acceptBet())
            RunSpin();
    }
    m_context.host.timers.setTimerActive(GameTimer::LampBlink, true);
    m_context.finishAtOnce = false;
    m_requestRunning = false;
    while (!m_waitingCommands.empty()) {
        const std::function<void()> command = std::move(m_waitingCommands.front());
        m_waitingCommands.pop_front();
        command();
    }
}

void Machine::finishAtOnce()
{
    GameState& state = m_context.state;
    state.StopRequested = true;
    // Outside a spin command there is nothing to finish, and the flag would cut the next spin short.
    m_context.finishAtOnce = m_requestRunning;
    if (state.AutoSpin) {
        state.AutoSpin = false;
        m_context.host.presenter.drawCommandCaptions();
    }
}

void Machine::runBetweenSpins(std::function<void()> command)
{
    if (!m_requestRunning) {
        command();
        return;
    }
    finishAtOnce();
    m_waitingCommands.push_back(std::move(command));
}

bool Machine::acceptBet()
{
    GameState& state = m_context.state;
    const std::int64_t bet = static_cast<std::int64_t>(state.CoinsPerLine) * state.LinesPlayed;
    // A loaded game may hold a negative count of lines and of coins; their product is no bet,
    // since no line would be played for it.
    if (bet <= 0 || state.LinesPlayed < 0)
        m_context.host.prompts.showMessage("You must place a bet first.");
    else if (bet > state.Credits)
        m_context.host.prompts.showMessage("You do not have enough credits for that bet,");
    else
        return true;
    state.AutoSpin = false;
    m_context.host.presenter.drawCommandCaptions();
    return false;
}

void Machine::RunSpin()
{
    spinOnce();
    const bool freeSpinsPlayed = playFreeSpins();
    m_context.host.timers.setTimerActive(GameTimer::FreeSpinBlink, false);
    // The blinking count covered the "Win 3 FREE Spins:" label; the label comes back with the series' end.
    if (freeSpinsPlayed)
        m_context.host.presenter.drawFreeSpinLabel();
}

void Machine::spinOnce()
{
    GameState& state = m_context.state;
    GameHost& host = m_context.host;

    m_context.reseed();
    state.Spinning = true;
    host.timers.setTimerActive(GameTimer::LineFlash, false);
    host.timers.setTimerActive(GameTimer::LampBlink, false);
    if (state.FirstWinningLine >= 0)
        clearLineHighlight(state.FirstWinningLine);
    state.DoublePayoff = false;
    state.Lamps.fill(false);
    host.presenter.drawLamp(state.BonusLamp);

    if (state.RestoreStrips) {
        BuildNormalStrips(state);
        state.WheelPos = state.SavedWheelPos;
        state.RestoreStrips = false;
        host.presenter.repaintWindow();
    }
    if (state.FreeSpinMode) {
        host.timers.setTimerActive(GameTimer::FreeSpinBlink, true);
    } else {
        const std::int64_t bet = static_cast<std::int64_t>(state.CoinsPerLine) * state.LinesPlayed;
        addSaturated(state.Credits, -bet);
        addSaturated(state.TotalBets, bet);
    }
    host.presenter.drawCredits();
    host.presenter.drawWinningsReadout(false);

    std::array<int, WheelCount> motionOffsets{};
    drawStops(state, m_context.random, motionOffsets);
    state.LinePay.fill(0);
    state.Winnings = 0;
    state.StopRequested = false;
    if (!state.FreeSpinMode)
        addSaturated(state.Spins, 1);

    m_animation.run(motionOffsets);

    SpinRecall recall = beginRecall(state, m_context.reseededAt);
    m_context.recall = &recall;
    if (state.FreeSpinMode)
        EvaluateFreeSpin(m_context);
    else
        EvaluateSpin(m_context);
    m_context.recall = nullptr;
    completeRecall(recall, state);
    m_history.record(std::move(recall));
    host.storage.spinSettled();
    state.Spinning = false;
}

// Each free spin is a whole spin on the free-spin strips, and one that earns more free spins adds
// them to the same series. The loop plays the series to its end without nesting one spin in
// another, so a long series cannot exhaust the stack. The next spin brings the normal strips back.
bool Machine::playFreeSpins()
{
    GameState& state = m_context.state;
    const bool earned = state.FreeSpinsPending > 0;
    while (state.FreeSpinsPending > 0) {
        state.FreeSpinsPending -= 1;
        addSaturated(state.NumberOfBarRolls, 1);
        if (!state.FreeSpinMode)
            LoadFreeSpinStrips(state);
        state.FreeSpinMode = true;
        spinOnce();
        if (state.FreeSpinsPending == 0) {
            state.FreeSpinMode = false;
            state.RestoreStrips = true;
        }
    }
    return earned;
}

// An accepted change clicks before the value changes; a refused one plays the neutral cue.
bool Machine::acceptBetChange(bool allowed)
{
    const bool accepted = allowed && !m_context.state.Spinning;
    m_context.playCue(accepted ? SoundCue::Click : SoundCue::Neutral);
    return accepted;
}

void Machine::AddLine()
{
    GameState& state = m_context.state;
    const std::int64_t newBet = (static_cast<std::int64_t>(state.LinesPlayed) + 1) * state.CoinsPerLine;
    if (!acceptBetChange(state.LinesPlayed < MaxBetFactor && newBet <= state.Credits))
        return;
    state.LinesPlayed += 1;
    m_context.host.presenter.drawLinesPlayed();
    m_context.host.presenter.drawCoinsPlayed();
}

void Machine::AddCoin()
{
    GameState& state = m_context.state;
    const std::int64_t newBet = (static_cast<std::int64_t>(state.CoinsPerLine) + 1) * state.LinesPlayed;
    if (!acceptBetChange(state.CoinsPerLine < MaxBetFactor && newBet <= state.Credits))
        return;
    state.CoinsPerLine += 1;
    m_context.host.presenter.drawCoinsPerLine();
    m_context.host.presenter.drawCoinsPlayed();
}

void Machine::RemoveLine()
{
    GameState& state = m_context.state;
    if (!acceptBetChange(state.LinesPlayed > 0))
        return;
    state.LinesPlayed -= 1;
    m_context.host.presenter.drawLinesPlayed();
    m_context.host.presenter.drawCoinsPlayed();
}

void Machine::RemoveCoin()
{
    GameState& state = m_context.state;
    if (!acceptBetChange(state.CoinsPerLine > 0))
        return;
    state.CoinsPerLine -= 1;
    m_context.host.presenter.drawCoinsPlayed();
    m_context.host.presenter.drawCoinsPerLine();
}

void Machine::newGame()
{
    ResetGame(m_context.state);
    m_history.clear();
    m_context.host.presenter.repaintWindow();
}

void Machine::Timer1Timer()
{
    GameState& state = m_context.state;
    state.Lamps[state.BonusLamp] = !state.Lamps[state.BonusLamp];
    m_context.host.presenter.drawLamp(state.BonusLamp);
}

void Machine::Timer4Timer()
{
    GameState& state = m_context.state;
    if (state.FirstWinningLine < 0)
        return;
    if (state.HighlightTicks >= 6) {
        clearLineHighlight(state.FirstWinningLine);
        state.HighlightTicks = 0;
        for (int step = 1; step <= PaylineCount; ++step) {
            const int line = (state.FirstWinningLine + step) % PaylineCount;
            if (state.LinePay[line] != 0) {
                state.FirstWinningLine = line;
                break;
            }
        }
    }
    state.HighlightPhase = !state.HighlightPhase;
    if (state.HighlightPhase)
        m_context.host.presenter.drawLineHighlight(state.FirstWinningLine);
    else
        clearLineHighlight(state.FirstWinningLine);
    state.HighlightTicks += 1;
}

void Machine::Timer5Timer()
{
    m_freeSpinTextLit = !m_freeSpinTextLit;
    m_context.host.presenter.drawFreeSpinText(freeSpinText(m_context.state.FreeSpinsPending), m_freeSpinTextLit);
}

void Machine::clearLineHighlight(int line)
{
    for (const int wheel : Paylines[line]) {
        m_context.host.presenter.fillWheelBlank(wheel);
        m_context.host.presenter.drawWheelCell(wheel);
    }
}

std::string freeSpinText(std::int32_t freeSpinsPending)
{
    return "FREE Spins:  " + std::to_string(freeSpinsPending) + std::string(10, ' ');
}

} // namespace zantaro
