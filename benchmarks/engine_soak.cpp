// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_soak.h"

#include "game/bonus_features.h"
#include "game/machine.h"
#include "game/reels.h"
#include "game_setup.h"
#include "replay_host.h"
#include "silent_host.h"

#include <chrono>
#include <utility>

namespace zantaro::soak {

namespace {

constexpr std::size_t ViolationsKept = 10;

std::int64_t balanceOf(const GameState& state)
{
    return static_cast<std::int64_t>(state.credits) - state.borrowed + state.totalBets;
}

// Counts the features as each spin settles and adds up what each spin paid: with instant payoff
// and no double-or-nothing, a spin's Winnings after its payout are exactly what it paid.
class SpinCounter final : public simulator::SpinObserver
{
public:
    SpinCounter(const GameState& state, Ledger& ledger, SoakResult& result)
        : m_state(state), m_ledger(ledger), m_result(result), m_bellPoolWon(state.bellPoolWon)
    {
    }

    void spinSettled() override
    {
        if (m_state.winnings > 0)
            m_ledger.paid += m_state.winnings;
        if (m_state.freeSpinMode) {
            m_guard.freeSpin();
            ++m_result.freeSpins;
            return;
        }
        m_guard.regularSpin();
        m_result.automaticLosers += m_state.bonusLamp == AutomaticLoserLamp ? 1 : 0;
        m_result.lampFreeSpins += m_state.bonusLamp == FreeSpinLamp ? 1 : 0;
        m_result.fruitRefills += m_state.freeSpinsPending >= FreeSpinsPerFruitRefill ? 1 : 0;
        m_result.bellPoolWins += m_state.bellPoolWon != m_bellPoolWon ? 1 : 0;
        m_bellPoolWon = m_state.bellPoolWon;
    }

    void betRefused(const std::string& message) override { m_refusal = message; }

    // The refusal of the last spin command, if it was refused.
    std::string takeRefusal() { return std::exchange(m_refusal, std::string()); }

private:
    const GameState& m_state;
    Ledger& m_ledger;
    SoakResult& m_result;
    simulator::FreeSpinGuard m_guard;
    std::int32_t m_bellPoolWon;
    std::string m_refusal;
};

void record(SoakResult& result, std::int64_t spin, const std::vector<std::string>& violations)
{
    result.violationCount += static_cast<std::int64_t>(violations.size());
    for (const std::string& violation : violations) {
        if (result.firstViolations.size() < ViolationsKept)
            result.firstViolations.push_back("spin " + std::to_string(spin) + ": " + violation);
    }
}

} // namespace

SoakBet betOfSpin(std::int64_t spin)
{
    return {static_cast<std::int32_t>(spin % 8) + 1, static_cast<std::int32_t>(spin / 8 % 8) + 1};
}

std::vector<std::string> checkAfterSpinCommand(const GameState& state, const Ledger& ledger)
{
    std::vector<std::string> violations;
    const std::int64_t balance = balanceOf(state);
    if (balance != ledger.balanceAtStart + ledger.paid)
        violations.push_back("Credits - Borrowed + TotalBets is " + std::to_string(balance) + ", but " +
                             std::to_string(ledger.paid) + " was paid from " +
                             std::to_string(ledger.balanceAtStart));
    if (state.totalBets != ledger.bet)
        violations.push_back("TotalBets is " + std::to_string(state.totalBets) + ", but " +
                             std::to_string(ledger.bet) + " was bet");
    if (state.spins != ledger.regularSpins)
        violations.push_back("Spins is " + std::to_string(state.spins) + " after " +
                             std::to_string(ledger.regularSpins) + " spins");
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        const std::int32_t position = state.wheelPos[wheel];
        if (position < 0 || position >= StripLength)
            violations.push_back("wheel " + std::to_string(wheel) + " stopped at " +
                                 std::to_string(position));
        else if (state.shownSymbol(wheel) >= SymbolCount)
            violations.push_back("wheel " + std::to_string(wheel) + " shows symbol " +
                                 std::to_string(state.shownSymbol(wheel)));
    }
    if (state.freeSpinsPending != 0 || state.freeSpinMode)
        violations.push_back(std::to_string(state.freeSpinsPending) + " free spins left pending");
    if (state.spinning)
        violations.push_back("the wheels are still spinning");
    return violations;
}

SoakResult runSoak(const SoakOptions& options)
{
    SoakResult result;
    GameState state = simulator::simulatorStartState(simulator::Bet{}, 1000);
    Ledger ledger{balanceOf(state), 0, state.totalBets, state.spins};
    SpinCounter counter(state, ledger, result);
    simulator::RandomClock clock(options.seed);
    simulator::SilentHost view;
    simulator::ReplayHost host(view, clock, counter);
    RandomGenerator random;
    Machine machine(state, host.host(), random);

    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t spin = 1; spin <= options.spins; ++spin) {
        if (state.credits < LargestBet) {
            // Borrowing adds the same to both, so the balance the ledger follows stays as it was.
            addSaturated(state.credits, TopUp);
            addSaturated(state.borrowed, TopUp);
            ++result.topUps;
        }
        const SoakBet bet = betOfSpin(spin);
        state.linesPlayed = bet.lines;
        state.coinsPerLine = bet.coins;
        try {
            machine.requestSpin();
            machine.playOut();
        } catch (const simulator::FreeSpinRunaway& runaway) {
            record(result, spin, {runaway.what()});
            break;
        }
        if (const std::string refusal = counter.takeRefusal(); !refusal.empty()) {
            record(result, spin, {"the bet was refused: " + refusal});
            continue;
        }
        ledger.bet += static_cast<std::int64_t>(bet.lines) * bet.coins;
        ++ledger.regularSpins;
        record(result, spin, checkAfterSpinCommand(state, ledger));
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.regularSpins = ledger.regularSpins;
    result.totalBet = ledger.bet;
    result.totalPaid = ledger.paid;
    return result;
}

double SoakResult::returnToPlayer() const
{
    return totalBet > 0 ? static_cast<double>(totalPaid) / static_cast<double>(totalBet) : 0.0;
}

double SoakResult::spinsPerSecond() const
{
    return seconds > 0 ? static_cast<double>(regularSpins) / seconds : 0.0;
}

} // namespace zantaro::soak
