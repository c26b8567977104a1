// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random_generator.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

TEST(RandomGenerator, fromStateZeroThreeDrawsOfTwentyGiveZeroZeroSeventeen)
{
    RandomGenerator random;
    random.reseed(0);
    EXPECT_EQ(random.random(20), 0u);
    EXPECT_EQ(random.random(20), 0u);
    EXPECT_EQ(random.random(20), 17u);
}

TEST(RandomGenerator, sameMillisecondGivesSameDraws)
{
    RandomGenerator first;
    RandomGenerator second;
    first.reseed(45'296'789);
    second.reseed(45'296'789);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(first.random(576), second.random(576));
}

TEST(RandomGenerator, stateStepsByTheLinearCongruence)
{
    RandomGenerator random;
    random.reseed(1);
    random.random(1);
    EXPECT_EQ(random.state(), 134775814u);
    random.reseed(MillisecondsPerDay - 1);
    EXPECT_EQ(random.state(), 86'399'999u);
}

} // namespace
} // namespace zantaro
