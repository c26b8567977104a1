// SPDX-License-Identifier: GPL-3.0-or-later
// Regular spins per second of the par sheet's simulation: the engine's own RequestSpin with the
// silent host, lamps, bell pool, fruit counters and free spins included.
#include "simulation.h"

#include <benchmark/benchmark.h>

namespace {

void simulatedRegularSpins(benchmark::State& state, bool steppedClock)
{
    zantaro::simulator::SimulationOptions options;
    options.spins = state.range(0);
    if (steppedClock)
        options.clock = 0;
    for (auto _ : state) {
        const auto result = zantaro::simulator::simulate(options);
        benchmark::DoNotOptimize(result.totalPaid);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["spinsPerSecond"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

void randomClock(benchmark::State& state)
{
    simulatedRegularSpins(state, false);
}

void steppedClock(benchmark::State& state)
{
    simulatedRegularSpins(state, true);
}

} // namespace

BENCHMARK(randomClock)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(steppedClock)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
