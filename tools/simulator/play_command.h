// SPDX-License-Identifier: GPL-3.0-or-later
// The `play` command: regular spins replayed as the game plays them, each reseed reading the next
// value of a stepped clock, with one record per settled spin, regular or free.
#pragma once

#include "game/host.h"
#include "game_setup.h"
#include "spin_record.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace zantaro::simulator {

struct PlayOptions
{
    std::int64_t clock = 0;     // the first reseed's milliseconds since midnight
    std::int64_t clockStep = 1; // added for every later reseed
    std::int64_t spins = 1;     // spin commands, each with the free spins it earns
    Bet bet;
    std::int32_t credits = 1000;
};

using RecordSink = std::function<void(const SpinRecord&)>;

// Plays the spin commands from start-up, showing them on `view`, and hands every settled spin to
// `sink` in the order played. Returns the message of a refused bet, which ends the run. Throws
// FreeSpinRunaway when one command's free spins never end.
std::optional<std::string> play(const PlayOptions& options, GameHost view, const RecordSink& sink);

// Prints one JSON line per spin, then {"refused": "..."} if a bet was refused.
void printPlay(const PlayOptions& options, std::ostream& out);

} // namespace zantaro::simulator
