// SPDX-License-Identifier: GPL-3.0-or-later
// GameHost: everything the rules need from the outside world, split by job so that a fake
// implements only what its test needs - the clock, the presenter that draws what
// the game changed, the window's timers, the sound, the prompts (messages and the modal games)
// and the storage of the running game. The main window hands in small parts of its own; a fake may
// be all six at once.
#pragma once

#include "message.h"
#include "sound_cue.h"
#include "spin_view.h"

#include <chrono>
#include <concepts>
#include <cstdint>
#include <string>

namespace zantaro {

// The clock: reseeding reads the milliseconds since midnight UTC; pacing reads a monotonic tick.
class GameClock
{
public:
    virtual ~GameClock() = default;
    virtual std::int64_t millisecondsSinceMidnightUtc() = 0;
    virtual std::chrono::milliseconds tickCount() = 0;
};

// Draws the pieces of the picture the game changed, from the game's state and the spin's view.
class Presenter
{
public:
    virtual ~Presenter() = default;
    // False when nobody watches the wheels (the simulator): the spin then skips the frames of its
    // animation and keeps only their effect on the game - the lamp draws.
    virtual bool showsAnimation() const { return true; }
    virtual void changed(Change change, const SpinView& view) = 0;
};

enum class GameTimer
{
    LampBlink,
    LineFlash,
    FreeSpinBlink
};

// The window's three timers, which the game switches on and off, and the wake-up of a running
// spin command.
class TimerSwitch
{
public:
    virtual ~TimerSwitch() = default;
    virtual void setTimerActive(GameTimer timer, bool active) = 0;
    // The running spin command waits until the tick `deadline`: call Game::advance then. Only the
    // latest call counts.
    virtual void wakeAt(std::chrono::milliseconds deadline) = 0;
};

// Starts a cue and returns at once; called only while the Sound option is on. Returns how long the
// cue holds the game: a synchronous cue's length, zero for a cue that plays beside the game.
class CuePlayer
{
public:
    virtual ~CuePlayer() = default;
    virtual std::chrono::milliseconds playCue(SoundCue cue) = 0;
};

enum class DoubleOrNothingGame
{
    Pyramid,
    CardGame
};

// What the game asks of the player: a message to acknowledge, a double-or-nothing round.
class Prompts
{
public:
    virtual ~Prompts() = default;
    // Shows the message; it does not wait for the player's answer.
    virtual void showMessage(const Message& message) = 0;
    // Opens the game's window on GameState::winnings. Returns true when the round is over already
    // (a host that plays it at once); otherwise the window's close reaches the game as
    // Game::doubleOrNothingClosed().
    virtual bool playDoubleOrNothing(DoubleOrNothingGame game) = 0;
    // Closes the open double-or-nothing window as its close box does: the spin finishes at once.
    virtual void closeDoubleOrNothing() {}
};

// Keeps the running game.
class GameStorage
{
public:
    virtual ~GameStorage() = default;
    // Stores the running game in the "CurrentGame" slot (auto spin's periodic save).
    virtual void saveRunningGame() = 0;
    // Each spin, regular or free, has been evaluated and paid.
    virtual void spinSettled() {}
};

template <typename T>
concept AllOfTheHost =
    std::derived_from<T, GameClock> && std::derived_from<T, Presenter> && std::derived_from<T, TimerSwitch> &&
    std::derived_from<T, CuePlayer> && std::derived_from<T, Prompts> && std::derived_from<T, GameStorage>;

struct GameHost
{
    GameHost(GameClock& clock, Presenter& presenter, TimerSwitch& timers, CuePlayer& sound, Prompts& prompts,
             GameStorage& storage)
        : clock(clock), presenter(presenter), timers(timers), sound(sound), prompts(prompts), storage(storage)
    {
    }
    template <AllOfTheHost Everything>
    GameHost(Everything& all) // NOLINT(google-explicit-constructor): a fake that is all six is the host
        : GameHost(all, all, all, all, all, all)
    {
    }

    GameClock& clock;
    Presenter& presenter;
    TimerSwitch& timers;
    CuePlayer& sound;
    Prompts& prompts;
    GameStorage& storage;
};

} // namespace zantaro
