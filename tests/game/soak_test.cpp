// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_soak.h"
#include "game/reels.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

namespace zantaro::soak {
namespace {

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

TEST(EngineSoak, twentyThousandSpinsKeepEveryCreditAndLeaveNoFreeSpinPending)
{
    SoakOptions options;
    options.spins = 20'000;
    const SoakResult result = runSoak(options);
    EXPECT_EQ(result.violationCount, 0) << joined(result.firstViolations);
    EXPECT_EQ(result.regularSpins, 20'000);
    // The run went through every feature the checks are meant to watch.
    EXPECT_GT(result.freeSpins, 0);
    EXPECT_GT(result.fruitRefills, 0);
    EXPECT_GT(result.lampFreeSpins, 0);
    EXPECT_GT(result.automaticLosers, 0);
    EXPECT_GT(result.bellPoolWins, 0);
    EXPECT_GT(result.topUps, 0);
}

TEST(EngineSoak, theSameSeedPlaysTheSameGame)
{
    SoakOptions options;
    options.spins = 2'000;
    options.seed = 7;
    const SoakResult first = runSoak(options);
    const SoakResult second = runSoak(options);
    EXPECT_EQ(first.totalPaid, second.totalPaid);
    EXPECT_EQ(first.freeSpins, second.freeSpins);
}

// A game after one spin command of 8 credits that paid 10: the soak's checks must catch each fault.
struct TamperCase : testing::NamedCase
{
    void (*tamper)(GameState&);
    const char* reported;
};

class SoakChecks : public ::testing::TestWithParam<TamperCase>
{
};

TEST_P(SoakChecks, reportTheFault)
{
    GameState state = startupGameState();
    state.credits = 1002;
    state.totalBets = 8;
    state.spins = 1;
    const Ledger ledger{0, 10, 8, 1};
    ASSERT_TRUE(checkAfterSpinCommand(state, ledger).empty());

    GetParam().tamper(state);
    const std::vector<std::string> violations = checkAfterSpinCommand(state, ledger);
    ASSERT_EQ(violations.size(), 1u) << joined(violations);
    EXPECT_NE(violations.front().find(GetParam().reported), std::string::npos) << violations.front();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SoakChecks,
    ::testing::Values(
        TamperCase{{"aCreditFromNowhere"},
                   [](GameState& s) { s.credits += 1; },
                   "Credits - Borrowed + TotalBets is 11"},
        TamperCase{
            {"borrowingThatOnlyRaisesTheDebt"}, [](GameState& s) { s.borrowed += 1000; }, "was paid from 0"},
        TamperCase{{"aBetNotCounted"},
                   [](GameState& s) {
                       s.totalBets -= 8;
                       s.credits += 8;
                   },
                   "TotalBets is 0"},
        TamperCase{{"aSpinNotCounted"}, [](GameState& s) { s.spins = 0; }, "Spins is 0 after 1"},
        TamperCase{
            {"aStopOffTheStrip"}, [](GameState& s) { s.wheelPos[4] = StripLength; }, "wheel 4 stopped at 20"},
        TamperCase{{"aSymbolThatDoesNotExist"},
                   [](GameState& s) { s.reelStrips[8][s.wheelPos[8]] = SymbolCount; },
                   "wheel 8 shows symbol 12"},
        TamperCase{{"aFreeSpinLeftPending"},
                   [](GameState& s) { s.freeSpinsPending = 2; },
                   "2 free spins left pending"},
        TamperCase{{"wheelsStillSpinning"}, [](GameState& s) { s.spinning = true; }, "still spinning"}),
    testing::caseName);

} // namespace
} // namespace zantaro::soak
