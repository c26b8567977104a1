// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation.h"

#include "game/machine.h"
#include "replay_host.h"
#include "silent_host.h"

#include <cmath>
#include <ctime>
#include <memory>
#include <numeric>

namespace zantaro::simulator {

namespace {

// Credits added, together with Borrowed, whenever the balance cannot cover the next bet: the
// simulated player never runs out, and the rules never look at how much was borrowed.
constexpr std::int32_t TopUp = 1'000'000;

class Tally final : public SpinObserver
{
public:
    Tally(const GameState& state, SimulationResult& result) : m_state(state), m_result(result) {}

    void spinSettled() override
    {
        const std::int64_t paid = m_state.winnings; // instant payoff, no double-or-nothing
        m_commandPaid += paid;
        if (m_state.freeSpinMode) {
            m_guard.freeSpin();
            ++m_result.freeSpins;
            m_result.paidFreeSpins += paid;
            return;
        }
        m_guard.regularSpin();
        const std::int64_t linePays =
            std::accumulate(m_state.linePay.begin(), m_state.linePay.end(), std::int64_t{0});
        m_result.paidRegularLines += linePays;
        m_result.paidBellPool += paid - linePays;
        m_result.regularHits += paid > 0 ? 1 : 0;
        m_result.bellPoolWins += paid > linePays ? 1 : 0;
        m_result.freeSpinRuns += m_state.freeSpinsPending > 0 ? 1 : 0;
    }

    void betRefused(const std::string&) override {}

    // The pay of the spin command that has just ended, free spins included.
    std::int64_t takeCommandPaid() { return std::exchange(m_commandPaid, 0); }

private:
    const GameState& m_state;
    SimulationResult& m_result;
    FreeSpinGuard m_guard;
    std::int64_t m_commandPaid = 0;
};

std::unique_ptr<ReseedClock> clockFor(const SimulationOptions& options)
{
    if (options.clock)
        return std::make_unique<SteppedClock>(*options.clock, options.clockStep);
    return std::make_unique<RandomClock>(options.seed);
}

} // namespace

SimulationResult simulate(const SimulationOptions& options)
{
    SimulationResult result;
    GameState state = simulatorStartState(SimulatedBet, 1000);
    const std::unique_ptr<ReseedClock> clock = clockFor(options);
    Tally tally(state, result);
    SilentHost view;
    ReplayHost host(view, *clock, tally);
    RandomGenerator random;
    Machine machine(state, host.host(), random);
    const std::int32_t bet = SimulatedBet.lines * SimulatedBet.coins;

    // Processor time, not wall time: the speed of one core, whatever else the machine runs.
    const std::clock_t start = std::clock();
    for (std::int64_t spin = 0; spin < options.spins; ++spin) {
        if (state.credits < bet) {
            addSaturated(state.credits, TopUp);
            addSaturated(state.borrowed, TopUp);
        }
        machine.requestSpin();
        machine.playOut();
        ++result.regularSpins;
        result.totalBet += bet;
        const auto commandPaid = static_cast<double>(tally.takeCommandPaid());
        result.sumOfSquaredCommandPays += commandPaid * commandPaid;
    }
    result.seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    result.totalPaid = result.paidRegularLines + result.paidBellPool + result.paidFreeSpins;
    return result;
}

double SimulationResult::rtp() const
{
    return static_cast<double>(totalPaid) / static_cast<double>(totalBet);
}

std::pair<double, double> SimulationResult::rtp95ci() const
{
    const auto n = static_cast<double>(regularSpins);
    const double meanPay = static_cast<double>(totalPaid) / n;
    const double variance = n > 1 ? (sumOfSquaredCommandPays - n * meanPay * meanPay) / (n - 1) : 0.0;
    const double betPerSpin = static_cast<double>(totalBet) / n;
    const double halfWidth = 1.96 * std::sqrt(std::max(variance, 0.0) / n) / betPerSpin;
    return {rtp() - halfWidth, rtp() + halfWidth};
}

double SimulationResult::hitFrequency() const
{
    return static_cast<double>(regularHits) / static_cast<double>(regularSpins);
}

double SimulationResult::spinsPerSecond() const
{
    return seconds > 0 ? static_cast<double>(regularSpins) / seconds : 0.0;
}

} // namespace zantaro::simulator
