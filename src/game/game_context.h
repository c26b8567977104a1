// SPDX-License-Identifier: GPL-3.0-or-later
// GameContext: the game state, its host and the random generator that the rules work on together,
// with the few helpers every rule uses (cues that respect the Sound option, the waits of a spin
// command's script, reseeding, the notice of a changed piece) and the spin command's phase.
#pragma once

#include "game_state.h"
#include "host.h"
#include "random_generator.h"
#include "script.h"
#include "spin_phase.h"
#include "spin_recall.h"

#include <chrono>
#include <cstdint>
#include <limits>

namespace zantaro {

struct GameContext
{
    GameState& state;
    GameHost host;
    RandomGenerator& random;
    // Set when the window closes during a spin command: the command then runs to its end at once -
    // wheels stopped, no double-or-nothing offer, winnings paid without counting off.
    bool finishAtOnce = false;
    // The recall of the spin being evaluated, when one is kept; the rules note their events in it
    // as they act, so the recall tells what paid the spin and nothing else.
    SpinRecall* recall = nullptr;
    // The clock value of the last reseed.
    std::int64_t reseededAt = 0;
    // Where the running spin command stands, and what its script waits for.
    SpinPhase phase = SpinPhase::Idle;
    ScriptWait waiting{};
    // Set when the open double-or-nothing window has closed and its result is in the state.
    bool doubleOrNothingAnswered = false;
    // What the picture shows beyond the state; the presenter draws from both.
    SpinView view{};

    // Tells the presenter to draw a piece of the picture again.
    void changed(Piece piece, int index = 0) { host.presenter.changed({piece, index}, view); }
    // Shows the winnings as they stand in the readout, or erases it.
    void showWinnings(bool shown)
    {
        view.winningsShown = shown;
        changed(Piece::Winnings);
    }

    // Starts a cue when the Sound option is on; returns how long it holds the game.
    std::chrono::milliseconds startCue(SoundCue cue)
    {
        return state.sound ? host.sound.playCue(cue) : std::chrono::milliseconds{0};
    }

    // co_await: starts a cue and waits while it holds the game.
    ScriptSuspension cue(SoundCue cue)
    {
        const std::chrono::milliseconds hold = startCue(cue);
        return {waiting,
                hold > std::chrono::milliseconds{0} ? ScriptWait::Kind::CueHold : ScriptWait::Kind::Nothing,
                host.clock.tickCount() + hold};
    }

    // co_await: a wait of the game's own, for the given time or until a tick.
    ScriptSuspension pause(std::chrono::milliseconds duration)
    {
        return pauseUntil(host.clock.tickCount() + duration);
    }
    ScriptSuspension pauseUntil(std::chrono::milliseconds deadline)
    {
        return {waiting, ScriptWait::Kind::Pause, deadline};
    }

    void reseed()
    {
        reseededAt = host.clock.millisecondsSinceMidnightUtc();
        random.reseed(reseededAt);
    }

    void note(SpinEventKind kind, std::int32_t value = 0)
    {
        if (recall)
            recall->events.push_back({kind, value});
    }
};

// A 64-bit amount as a 32-bit one, stopped at the 32-bit limits instead of wrapped.
inline std::int32_t saturated32(std::int64_t value)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < lowest ? lowest : value > highest ? highest : value);
}

// Adds to a 32-bit money or counter field, stopping at the 32-bit limits instead of wrapping:
// a stored game may hold any value, and a wrapped balance would lose the player's credits.
inline void addSaturated(std::int32_t& field, std::int64_t amount)
{
    field = saturated32(static_cast<std::int64_t>(field) + amount);
}

} // namespace zantaro
