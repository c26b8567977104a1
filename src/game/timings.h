// SPDX-License-Identifier: GPL-3.0-or-later
// Every timing of the game in one place: animation frames, waits and timer intervals.
#pragma once

#include <chrono>

namespace zantaro::timings {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds Frame = 25ms;            // one animation frame
inline constexpr std::chrono::milliseconds FrameJitter = 2ms;       // a wake-up this late is on time
inline constexpr std::chrono::milliseconds QuickFinishStage = 20ms; // between stages of a stopped spin
inline constexpr std::chrono::milliseconds AutoSpinPause = 500ms;   // between spins of auto spin
inline constexpr std::chrono::milliseconds CountStep = 100ms;       // between steps of counting off
inline constexpr std::chrono::milliseconds GameLossPause = 1000ms;  // after a lost double-or-nothing
inline constexpr std::chrono::milliseconds LampBlink = 200ms;       // the bonus lamp between spins
inline constexpr std::chrono::milliseconds LineFlash = 400ms;       // the first winning line
inline constexpr std::chrono::milliseconds FreeSpinBlink = 300ms;   // the free-spin count
inline constexpr std::chrono::milliseconds HintDelay = 50ms;        // before a command hint shows

} // namespace zantaro::timings
