// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_run.h"

#include <gtest/gtest.h>

namespace zantaro::simulator {
namespace {

using testing::drawnSpin;
using testing::runSimulator;

// With a clock step of 0 every reseed reads the same value, so every free spin draws what the
// regular spin drew. A value whose spin ends on the free-spin lamp then earns free spins for ever.
std::int64_t clockWhoseSpinsLightTheFreeSpinLamp()
{
    std::int64_t clock = 0;
    while (drawnSpin(clock).lamp != 4)
        ++clock;
    return clock;
}

TEST(FreeSpinRunaway, playStopsWithAnErrorInsteadOfHanging)
{
    const auto run = runSimulator(
        {"play", "--clock", std::to_string(clockWhoseSpinsLightTheFreeSpinLamp()), "--clock-step", "0"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("10000 free spins"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("--clock-step 0"), std::string::npos) << run.errors;
    const auto lines = run.outLines();
    ASSERT_EQ(lines.size(), 10'001u); // the regular spin and the free spins up to the bound
    EXPECT_TRUE(testing::isFreeSpin(lines.back()));
}

TEST(FreeSpinRunaway, parSimulationStopsWithAnErrorInsteadOfHanging)
{
    const auto run =
        runSimulator({"par", "--simulate", "5", "--clock",
                      std::to_string(clockWhoseSpinsLightTheFreeSpinLamp()), "--clock-step", "0"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("free spins"), std::string::npos);
}

TEST(FreeSpinRunaway, aRepeatingClockWithoutTheFreeSpinLampPlaysOn)
{
    std::int64_t clock = 0;
    while (drawnSpin(clock).lamp == 4)
        ++clock;
    const auto run =
        runSimulator({"play", "--spins", "3", "--clock", std::to_string(clock), "--clock-step", "0"});
    EXPECT_EQ(run.exitCode, 0);
    const auto lines = run.outLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return !testing::isFreeSpin(line); }),
              3);
}

} // namespace
} // namespace zantaro::simulator
