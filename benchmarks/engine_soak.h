// SPDX-License-Identifier: GPL-3.0-or-later
// EngineSoak: a long headless run of regular spins through the engine's own RequestSpin, with free
// spins, lamps, bell pool and fruit, that checks after every spin command that no credit was made
// or lost, every wheel shows a real symbol and no free spin was left unplayed.
#pragma once

#include "game/game_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zantaro::soak {

struct SoakOptions
{
    std::int64_t spins = 1'000'000;
    std::uint64_t seed = 1; // of the random time of day each reseed reads
};

// Credits the player borrows whenever the balance cannot cover the largest bet.
inline constexpr std::int32_t TopUp = 1000;
// The largest bet of the soak's rotation: eight lines of eight coins.
inline constexpr std::int32_t LargestBet = 64;

// The bet of the n-th spin command: lines 1 to 8 each with coins 1 to 8, in turn.
struct SoakBet
{
    std::int32_t lines;
    std::int32_t coins;
};
SoakBet betOfSpin(std::int64_t spin);

// What was paid and bet since the soak began, counted by the soak itself in 64 bits.
struct Ledger
{
    std::int64_t balanceAtStart = 0; // Credits - Borrowed + TotalBets
    std::int64_t paid = 0;
    std::int64_t bet = 0;
    std::int64_t regularSpins = 0;
};

// Everything wrong with the game after a spin command; empty when all holds.
std::vector<std::string> checkAfterSpinCommand(const GameState& state, const Ledger& ledger);

struct SoakResult
{
    std::int64_t regularSpins = 0;
    std::int64_t freeSpins = 0;
    std::int64_t totalBet = 0;
    std::int64_t totalPaid = 0;
    std::int64_t topUps = 0;
    std::int64_t bellPoolWins = 0;
    std::int64_t fruitRefills = 0;  // spin commands that earned the three fruit free spins
    std::int64_t lampFreeSpins = 0; // regular spins whose lamp gave a free spin
    std::int64_t automaticLosers = 0;
    std::int64_t violationCount = 0;
    std::vector<std::string> firstViolations; // the first few, with the spin command they followed
    double seconds = 0;                       // wall time of the spins

    double returnToPlayer() const;
    double spinsPerSecond() const;
};

SoakResult runSoak(const SoakOptions& options);

} // namespace zantaro::soak
