// SPDX-License-Identifier: GPL-3.0-or-later
// Game: the one owner of the running game. It holds the game state, the random generator and the
// spin machine; everything that changes the game goes through its commands, and painting and the
// side windows read the state through a read-only view. A spin command runs on in advance(); what
// the other commands do meanwhile, the phase table says (submit, runBetweenSpins).
#pragma once

#include "borrow_account.h"
#include "calendar_date.h"
#include "game_state.h"
#include "machine.h"
#include "random_generator.h"
#include "saved_game_store.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zantaro {

// The options the player switches with the command strip.
enum class GameOption
{
    Sound,
    Double,
    PayMode,
    AutoSpin
};

class Game
{
public:
    Game(GameHost host, GameState start = startupGameState());

    const GameState& state() const { return m_state; }
    // What the picture shows beyond the state: the wheels' looks, the readout, the blinks.
    const SpinView& spinView() const { return m_machine.view(); }

    // Makes the given game the running one: a prepared game, as a loaded slot is.
    void open(const GameState& game) { m_state = game; }

    // The spin command; a stop request acts on turning wheels.
    void requestSpin() { m_machine.requestSpin(); }
    void requestStop() { m_machine.requestStop(); }
    // The host's wake-up: the running spin command goes on to `now`.
    void advance(std::chrono::milliseconds now) { m_machine.advance(now); }
    SpinPhase phase() const { return m_machine.phase(); }
    const ScriptWait& waiting() const { return m_machine.waiting(); }
    void doubleOrNothingClosed() { m_machine.doubleOrNothingClosed(); }
    bool isSpinRequestRunning() const { return m_machine.isSpinRequestRunning(); }
    void submit(SpinCommand kind, std::function<void()> command)
    {
        m_machine.submit(kind, std::move(command));
    }
    void runBetweenSpins(std::function<void()> command) { m_machine.runBetweenSpins(std::move(command)); }
    void dropWaitingCommands() { m_machine.dropWaitingCommands(); }

    // The bet controls.
    void addLine() { m_machine.addLine(); }
    void addCoin() { m_machine.addCoin(); }
    void removeLine() { m_machine.removeLine(); }
    void removeCoin() { m_machine.removeCoin(); }

    // "Start a New Game?" answered Yes.
    void newGame() { m_machine.newGame(); }
    // Borrowing and paying back; returns the refusal when nothing moved.
    std::optional<Message> moveCredits(BorrowMode mode, std::int32_t amount);
    void toggle(GameOption option);

    // The saved-game slots: opening reads a slot into the running game; storing writes the running
    // game into one (and throws SaveFileError when the file cannot be written); reading gives a
    // slot's game without touching the running one.
    void openSlot(SavedGameStore& store, int slot, const CalendarDate& today);
    void storeSlot(SavedGameStore& store, int slot, std::string_view name, const CalendarDate& today) const;
    GameState readSlot(SavedGameStore& store, int slot, const CalendarDate& today) const;
    // Whether opening another game loses nothing: the running game is still a fresh one, or one of
    // the eight named slots holds its progress (it was saved or opened and has not changed since).
    bool progressIsKept(SavedGameStore& store, const CalendarDate& today) const;

    // The handlers of the window's three timers.
    void blinkBonusLamp() { m_machine.blinkBonusLamp(); }
    void flashWinningLine() { m_machine.flashWinningLine(); }
    void blinkFreeSpinCount() { m_machine.blinkFreeSpinCount(); }

    // The recalls and chart of the running game, which a new game and an opened slot empty.
    const GameHistory& history() const { return m_history; }
    // The history kept from an earlier run of the running game.
    void openHistory(GameHistory history) { m_history = std::move(history); }

    // What a double-or-nothing window plays on; it changes the winnings through a
    // DoubleOrNothingRound.
    GameContext& doubleOrNothingContext() { return m_machine.context(); }

private:
    GameState m_state;
    RandomGenerator m_random;
    GameHistory m_history;
    Machine m_machine;
};

} // namespace zantaro
