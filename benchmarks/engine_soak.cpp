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
    return static_cast<std::int64_t>(state.Credits) - state.Borrowed + state.TotalBets;
}

// Counts the features as each spin settles and adds up what each spin paid: with instant payoff
// and no double-or-nothing, a spin's Winnings after its payout are exactly what it paid.
class SpinCounter final : public simulator::SpinObserver
{
public:
    SpinCounter(const GameState& state, Ledger& ledger, SoakResult& result)
        : m_state(state), m_ledger(ledger), m_result(result), m_bellPoolWon(state.BellPoolWon)
    {
    }

    void spinSettled() override
    {
        if (m_state.Winnings > 0)
            m_ledger.paid += m_state.Winnings;
        if (m_state.FreeSpinMode) {
            m_guard.freeSpin();
            ++m_result.freeSpins;
            return;
        }
        m_guard.regularSpin();
        m_result.automaticLosers += m_state.BonusLamp == AutomaticLoserLamp ? 1 : 0;
        m_result.lampFreeSpins += m_state.BonusLamp == FreeSpinLamp ? 1 : 0;
        m_result.fruitRefills += m_state.FreeSpinsPending >= FreeSpinsPerFruitRefill ? 1 : 0;
        m_result.bellPoolWins += m_state.BellPoolWon != m_bellPoolWon ? 1 : 0;
        m_bellPoolWon = m_state.BellPoolWon;
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
    if (state.TotalBets != ledger.bet)
        violations.push_back("TotalBets is " + std::to_string(state.TotalBets) + ", but " +
                             std::to_string(ledger.bet) + " was bet");
    if (state.Spins != ledger.regularSpins)
        violations.push_back("Spins is " + std::to_string(state.Spins) + " after " +
                             std::to_string(ledger.regularSpins) + " spins");
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        const std::int32_t position = state.WheelPos[wheel];
        if (position < 0 || position >= StripLength)
            violations.push_back("wheel " + std::to_string(wheel) + " stopped at " +
                                 std::to_string(position));
        else if (state.shownSymbol(wheel) >= SymbolCount)
            violations.push_back("wheel " + std::to_string(wheel) + " shows symbol " +
                                 std::to_string(state.shownSymbol(wheel)));
    }
    if (state.FreeSpinsPending != 0 || state.FreeSpinMode)
        violations.push_back(std::to_string(state.FreeSpinsPending) + " free spins left pending");
    if (state.Spinning)
        violations.push_back("the wheels are still spinning");
    return violations;
}

SoakResult runSoak(const SoakOptions& options)
{
    SoakResult result;
    GameState state = simulator::simulatorStartState(simulator::Bet{}, 1000);
    Ledger ledger{balanceOf(state), 0, state.TotalBets, state.Spins};
    SpinCounter counter(state, ledger, result);
    simulator::RandomClock clock(options.seed);
    simulator::SilentHost view;
    simulator::ReplayHost host(view, clock, counter);
    RandomGenerator random;
    Machine machine(state, host, random);

    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t spin = 1; spin <= options.spins; ++spin) {
        if (state.Credits < LargestBet) {
            // Borrowing adds the same to both, so the balance the ledger follows stays as it was.
            addSaturated(state.Credits, TopUp);
            addSaturated(state.Borrowed, TopUp);
            ++result.topUps;
        }
        const SoakBet bet = betOfSpin(spin);
        state.LinesPlayed = bet.lines;
        state.CoinsPerLine = bet.coins;
        try {
            machine.RequestSpin();
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
