// SPDX-License-Identifier: GPL-3.0-or-later
// The phases of a spin command and the one table that says what each command does in each of
// them: act now, be ignored, be refused with the neutral cue, or let the spin finish at once and
// pay, then act.
#pragma once

#include <array>
#include <cstddef>

namespace zantaro {

enum class SpinPhase
{
    Idle,                    // no spin command runs
    Turning,                 // the wheels turn, stop one by one and bounce, frame by frame
    Stopping,                // a stop request finishes the wheels in quick stages
    Evaluating,              // the lamp, the lines, the bell pool and the fruit are told
    OfferingDoubleOrNothing, // a double-or-nothing window is open on the winnings
    CountingOff,             // the winnings go to the credits step by step
    PausingBetweenAutoSpins, // auto spin waits before its next spin
};
inline constexpr std::size_t SpinPhaseCount = 7;

enum class SpinCommand
{
    Spin,      // the spin button, Enter, auto spin switched on
    Stop,      // the stop button, Space
    ChangeBet, // the four adjusters
    WholeGame, // "New Game", the game slots, "Borrow": never half a spin
    Close,     // the close box, a signal, the end of the desktop session
};
inline constexpr std::size_t SpinCommandCount = 5;

enum class CommandAnswer
{
    ActNow,
    Ignore,
    Refuse,         // with the neutral cue
    FinishSpinFirst // the spin finishes at once and pays; the command acts when it has
};

namespace phase_table {
using enum CommandAnswer;
// Rows in SpinPhase order; columns: Spin, Stop, ChangeBet, WholeGame, Close.
inline constexpr std::array<std::array<CommandAnswer, SpinCommandCount>, SpinPhaseCount> Answers{{
    {ActNow, Ignore, ActNow, ActNow, ActNow},                   // Idle
    {Ignore, ActNow, Refuse, FinishSpinFirst, FinishSpinFirst}, // Turning
    {Ignore, Ignore, Refuse, FinishSpinFirst, FinishSpinFirst}, // Stopping
    {Ignore, Ignore, Refuse, FinishSpinFirst, FinishSpinFirst}, // Evaluating
    {Ignore, Ignore, Refuse, FinishSpinFirst, FinishSpinFirst}, // OfferingDoubleOrNothing
    {Ignore, Ignore, Refuse, FinishSpinFirst, FinishSpinFirst}, // CountingOff
    {Ignore, Ignore, ActNow, FinishSpinFirst, FinishSpinFirst}, // PausingBetweenAutoSpins
}};
} // namespace phase_table

constexpr CommandAnswer answerFor(SpinPhase phase, SpinCommand command)
{
    return phase_table::Answers[static_cast<std::size_t>(phase)][static_cast<std::size_t>(command)];
}

} // namespace zantaro
