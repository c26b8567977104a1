// SPDX-License-Identifier: GPL-3.0-or-later
// Machine: the spin lifecycle over one game - the bet check and auto spin, the spin with its
// animation, evaluation and free spins, the bet changes, and the handlers of the three timers. A
// spin command is a script that advance() moves on through time; every command a player gives
// meanwhile is answered by the phase table (spin_phase.h).
#pragma once

#include "game_context.h"
#include "game_history.h"
#include "wheel_animation.h"

#include <chrono>
#include <deque>
#include <functional>

namespace zantaro {

class Machine
{
public:
    Machine(GameState& state, GameHost host, RandomGenerator& random);

    // A spin command: checks the bet and spins, and in auto spin mode keeps spinning until auto
    // spin ends. It runs here until its first wait and then on in advance(), until all of it,
    // free spins included, is over. A request while one runs (during the auto-spin pause, say) is
    // ignored.
    void requestSpin();
    // The stop button: the turning wheels finish in quick stages.
    void requestStop();

    // Moves the running spin command on to `now`: every wait that has ended by then is over.
    // The host's TimerSwitch::wakeAt tells when the next one ends.
    void advance(std::chrono::milliseconds now);
    SpinPhase phase() const { return m_context.phase; }
    // What the running spin command waits for (kind Nothing between spin commands).
    const ScriptWait& waiting() const { return m_context.waiting; }
    // The open double-or-nothing window has closed; its result is in the game state.
    void doubleOrNothingClosed();
    // Runs the spin command to its end without waiting: each wait ends at once, and a
    // double-or-nothing window waited for ends it too. For the simulator and the engine's
    // benchmarks, where nobody watches in real time.
    void playOut();

    // The bet controls: accepted changes click, refused ones play the neutral cue.
    void addLine();
    void addCoin();
    void removeLine();
    void removeCoin();

    // "Start a New Game?" answered Yes.
    void newGame();
    // Another game was opened: the last spin's line flash and winnings readout belonged to the game
    // that was left, so they end here and the window draws the opened game whole.
    void leaveLastSpin();

    void blinkBonusLamp();     // blinks the lit bonus lamp between spins
    void flashWinningLine();   // flashes each paying line in turn after a win
    void blinkFreeSpinCount(); // blinks the free-spin count while free spins run

    bool isSpinRequestRunning() const { return m_context.phase != SpinPhase::Idle; }
    // The running spin command ends at once and pays what it won: its wheels stop, an open
    // double-or-nothing window closes, no other is offered and the winnings are paid without
    // counting off.
    void finishAtOnce();
    // Runs a command as the phase table answers it in the running spin command's phase: at once,
    // not at all, refused with the neutral cue, or when the spin has finished at once and paid.
    void submit(SpinCommand kind, std::function<void()> command);
    // A command that must never see half a spin ("New Game", the game slots, "Borrow").
    void runBetweenSpins(std::function<void()> command)
    {
        submit(SpinCommand::WholeGame, std::move(command));
    }
    // Forgets the commands waiting for the running spin command (the program is closing).
    void dropWaitingCommands() { m_waitingCommands.clear(); }
    GameContext& context() { return m_context; }
    const SpinView& view() const { return m_context.view; }
    // Notes each spin in `history` (the running game's, which a new game empties). Without one, as
    // in the simulator, spins are evaluated without noting what they did.
    void recordHistory(GameHistory& history) { m_history = &history; }

private:
    Script spinCommand();
    bool acceptBet();
    Script spinOnce();
    Script playFreeSpins();
    // Goes on with the script from its wait.
    void resume();
    // Runs the script from `from` to its next wait, or ends the spin command when it has ended.
    void runScript(std::coroutine_handle<> from);
    bool acceptBetChange(bool allowed);

    GameContext m_context;
    WheelAnimation m_animation;
    GameHistory* m_history = nullptr;
    Script m_script;
    bool m_resuming = false; // the script runs: commands only note what they want
    std::deque<std::function<void()>> m_waitingCommands;
};

} // namespace zantaro
