// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated part of the par sheet: many regular spins of the whole game - lamps, bell pool,
// fruit counters, free spins and strip overwrites - through the engine's own RequestSpin, with
// the totals counted in 64 bits from each spin's figures.
#pragma once

#include "game_setup.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace zantaro::simulator {

struct SimulationOptions
{
    std::int64_t spins = 1'000'000;
    std::uint64_t seed = 1;            // of the random clock
    std::optional<std::int64_t> clock; // set: reseeds follow the stepped clock of `play` instead
    std::int64_t clockStep = 1;
};

// The bet every simulated spin places.
inline constexpr Bet SimulatedBet{8, 1};

struct SimulationResult
{
    std::int64_t regularSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t totalBet = 0;
    std::int64_t totalPaid = 0;
    std::int64_t paidRegularLines = 0;
    std::int64_t paidBellPool = 0;
    std::int64_t paidFreeSpins = 0;
    std::int64_t regularHits = 0;  // regular spins whose own evaluation won
    std::int64_t freeSpinRuns = 0; // regular spins followed by free spins
    std::int64_t bellPoolWins = 0;
    double sumOfSquaredCommandPays = 0; // each spin command's pay, free spins included, squared
    double seconds = 0;                 // processor time of the spins

    double rtp() const;
    // From the spread of the spin commands' pays, by the normal approximation.
    std::pair<double, double> rtp95ci() const;
    double hitFrequency() const;
    double spinsPerSecond() const;
};

// Throws FreeSpinRunaway when one spin's free spins never end.
SimulationResult simulate(const SimulationOptions& options);

} // namespace zantaro::simulator
