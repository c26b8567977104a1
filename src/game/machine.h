// SPDX-License-Identifier: GPL-3.0-or-later
// Machine: the spin lifecycle over one game - the bet check and auto spin, the spin with its
// animation, evaluation and free spins, the bet changes, and the handlers of the three timers.
#pragma once

#include "game_context.h"
#include "game_history.h"
#include "wheel_animation.h"

#include <deque>
#include <functional>

namespace zantaro {

class Machine
{
public:
    Machine(GameState& state, GameHost host, RandomGenerator& random);

    // A spin command: checks the bet and spins, and in auto spin mode keeps spinning until auto
    // spin ends. Returns when all of it, free spins included, is over. A request that arrives
    // while an earlier one still runs (during the auto-spin pause, say) is ignored.
    void requestSpin();

    // One spin, regular or free, followed by the free spins it earns.
    void runSpin();

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

    bool isSpinRequestRunning() const { return m_requestRunning; }
    // The running spin command ends at once and pays what it won: its wheels stop, no
    // double-or-nothing round is offered and the winnings are paid without counting off.
    void finishAtOnce();
    // Runs a command that must never see half a spin ("New Game", the game slots, "Borrow"):
    // at once between spin commands; during one, auto spin ends, the spin finishes at once and
    // pays, and the command runs when the spin command has returned.
    void runBetweenSpins(std::function<void()> command);
    // Forgets the commands waiting for the running spin command (the program is closing).
    void dropWaitingCommands() { m_waitingCommands.clear(); }
    GameContext& context() { return m_context; }
    // Notes each spin in `history` (the running game's, which a new game empties). Without one, as
    // in the simulator, spins are evaluated without noting what they did.
    void recordHistory(GameHistory& history) { m_history = &history; }

private:
    bool acceptBet();
    void spinOnce();
    // Returns whether any free spin was played.
    bool playFreeSpins();
    bool acceptBetChange(bool allowed);
    void clearLineHighlight(int line);

    GameContext m_context;
    WheelAnimation m_animation;
    GameHistory* m_history = nullptr;
    bool m_requestRunning = false;
    bool m_freeSpinTextLit = false;
    std::deque<std::function<void()>> m_waitingCommands;
};

} // namespace zantaro
