// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_command.h"
#include "silent_host.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace zantaro::simulator {
namespace {

std::vector<SpinRecord> records(const PlayOptions& options, GameHost view)
{
    std::vector<SpinRecord> played;
    play(options, view, [&played](const SpinRecord& record) { played.push_back(record); });
    return played;
}

// The silent host skips the frames; a host that shows the animation runs every frame, draw and
// bounce of the same spins. Both must leave the game in the same state after every spin.
TEST(FastPath, leavesTheSameRecordsAsTheFullSpinLifecycle)
{
    int freeSpins = 0;
    for (const std::int64_t clock : {0, 1'000, 43'210'987, 86'399'000}) {
        for (const std::int64_t step : {1, 13}) {
            SCOPED_TRACE("clock " + std::to_string(clock) + " step " + std::to_string(step));
            PlayOptions options;
            options.clock = clock;
            options.clockStep = step;
            options.spins = 60;
            options.credits = 100'000;

            SilentHost silent;
            zantaro::testing::RecordingHost animated;
            animated.animate = true;
            const std::vector<SpinRecord> fast = records(options, silent);
            const std::vector<SpinRecord> full = records(options, animated);

            EXPECT_EQ(animated.count("capture 8"), static_cast<int>(full.size())) << "every frame was shown";
            ASSERT_EQ(fast.size(), full.size());
            for (std::size_t spin = 0; spin < fast.size(); ++spin)
                EXPECT_EQ(toJson(fast[spin]), toJson(full[spin])) << "spin " << spin;
            freeSpins += static_cast<int>(std::count_if(
                fast.begin(), fast.end(), [](const SpinRecord& record) { return record.freeSpin; }));
        }
    }
    EXPECT_GT(freeSpins, 10);
}

TEST(FastPath, aRefusedBetEndsBothRunsAlike)
{
    PlayOptions options;
    options.credits = 20;
    options.spins = 100;
    SilentHost silent;
    zantaro::testing::RecordingHost animated;
    std::vector<SpinRecord> fast;
    std::vector<SpinRecord> full;
    const auto fastRefusal =
        play(options, silent, [&fast](const SpinRecord& record) { fast.push_back(record); });
    const auto fullRefusal =
        play(options, animated, [&full](const SpinRecord& record) { full.push_back(record); });
    EXPECT_EQ(fastRefusal, std::optional<std::string>("You do not have enough credits for that bet,"));
    EXPECT_EQ(fullRefusal, fastRefusal);
    EXPECT_EQ(fast, full);
    EXPECT_EQ(animated.count("message You do not have enough credits for that bet,"), 1);
}

} // namespace
} // namespace zantaro::simulator
