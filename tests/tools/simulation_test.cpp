// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_command.h"
#include "silent_host.h"
#include "simulation.h"

#include <gtest/gtest.h>
#include <numeric>

namespace zantaro::simulator {
namespace {

SimulationOptions steppedSimulation(std::int64_t spins, std::int64_t clock, std::int64_t step)
{
    SimulationOptions options;
    options.spins = spins;
    options.clock = clock;
    options.clockStep = step;
    return options;
}

void expectSameTotals(const SimulationResult& a, const SimulationResult& b)
{
    EXPECT_EQ(a.regularSpins, b.regularSpins);
    EXPECT_EQ(a.freeSpins, b.freeSpins);
    EXPECT_EQ(a.totalBet, b.totalBet);
    EXPECT_EQ(a.totalPaid, b.totalPaid);
    EXPECT_EQ(a.paidRegularLines, b.paidRegularLines);
    EXPECT_EQ(a.paidBellPool, b.paidBellPool);
    EXPECT_EQ(a.paidFreeSpins, b.paidFreeSpins);
    EXPECT_EQ(a.regularHits, b.regularHits);
    EXPECT_EQ(a.freeSpinRuns, b.freeSpinRuns);
    EXPECT_EQ(a.bellPoolWins, b.bellPoolWins);
    EXPECT_EQ(a.sumOfSquaredCommandPays, b.sumOfSquaredCommandPays);
}

// The simulation's totals, worked out again from the records `play` prints for the same clock.
TEST(Simulation, totalsAreTheSumsOfThePlayedSpinsUnderTheSameClock)
{
    const std::int64_t spins = 3'000;
    PlayOptions play;
    play.clock = 555;
    play.clockStep = 11;
    play.spins = spins;
    play.credits = 1'000'000; // the simulated player never runs out either
    SimulationResult expected;
    SilentHost view;
    simulator::play(play, view, [&expected](const SpinRecord& spin) {
        if (spin.freeSpin) {
            ++expected.freeSpins;
            expected.paidFreeSpins += spin.winnings;
            return;
        }
        const std::int64_t lines = std::accumulate(spin.linePay.begin(), spin.linePay.end(), std::int64_t{0});
        ++expected.regularSpins;
        expected.totalBet += 8;
        expected.paidRegularLines += lines;
        expected.paidBellPool += spin.winnings - lines;
        expected.regularHits += spin.winnings > 0;
        expected.bellPoolWins += spin.winnings > lines;
        expected.freeSpinRuns += spin.freeSpinsPending > 0;
    });
    expected.totalPaid = expected.paidRegularLines + expected.paidBellPool + expected.paidFreeSpins;

    const SimulationResult result = simulate(steppedSimulation(spins, 555, 11));
    EXPECT_EQ(result.regularSpins, expected.regularSpins);
    EXPECT_EQ(result.freeSpins, expected.freeSpins);
    EXPECT_EQ(result.totalBet, expected.totalBet);
    EXPECT_EQ(result.totalPaid, expected.totalPaid);
    EXPECT_EQ(result.paidRegularLines, expected.paidRegularLines);
    EXPECT_EQ(result.paidBellPool, expected.paidBellPool);
    EXPECT_EQ(result.paidFreeSpins, expected.paidFreeSpins);
    EXPECT_EQ(result.regularHits, expected.regularHits);
    EXPECT_EQ(result.freeSpinRuns, expected.freeSpinRuns);
    EXPECT_EQ(result.bellPoolWins, expected.bellPoolWins);
    EXPECT_GT(result.freeSpinRuns, 0);
    EXPECT_GT(result.bellPoolWins, 0);
}

TEST(Simulation, aSteppedClockReproducesEveryTotal)
{
    expectSameTotals(simulate(steppedSimulation(20'000, 1'234, 1)),
                     simulate(steppedSimulation(20'000, 1'234, 1)));
}

TEST(Simulation, theRandomClockIsReproducibleBySeedAndDiffersBetweenSeeds)
{
    SimulationOptions options;
    options.spins = 20'000;
    options.seed = 7;
    const SimulationResult first = simulate(options);
    expectSameTotals(first, simulate(options));
    options.seed = 8;
    EXPECT_NE(simulate(options).totalPaid, first.totalPaid);
}

TEST(Simulation, keepsPlayingLongAfterTheStartingCreditsAreGone)
{
    const SimulationResult result = simulate(steppedSimulation(5'000, 0, 1));
    EXPECT_EQ(result.regularSpins, 5'000);
    EXPECT_EQ(result.totalBet, 40'000);
}

TEST(Simulation, returnToPlayerLiesInsideItsConfidenceInterval)
{
    SimulationOptions options;
    options.spins = 50'000;
    const SimulationResult result = simulate(options);
    const auto [low, high] = result.rtp95ci();
    EXPECT_DOUBLE_EQ(result.rtp(),
                     static_cast<double>(result.totalPaid) / static_cast<double>(result.totalBet));
    EXPECT_LT(low, result.rtp());
    EXPECT_GT(high, result.rtp());
    EXPECT_LT(high - low, 0.2);
    EXPECT_DOUBLE_EQ(result.hitFrequency(), static_cast<double>(result.regularHits) / 50'000.0);
}

} // namespace
} // namespace zantaro::simulator
