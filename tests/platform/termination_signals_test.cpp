// SPDX-License-Identifier: GPL-3.0-or-later
// TerminationSignals: each handled signal reaches the callback on the event loop, and the default
// handlers are back once the object is gone.
#include "platform/process_events_until.h"
#include "platform/termination_signals.h"
#include "support/named_cases.h"

#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zantaro::testing {
namespace {

struct SignalCase : NamedCase
{
    int signal;
};

class TerminationSignalsTest : public ::testing::TestWithParam<SignalCase>
{
};

TEST_P(TerminationSignalsTest, theSignalReachesTheCallbackOnTheEventLoop)
{
    std::vector<int> received;
    const TerminationSignals handlers([&](int signal) { received.push_back(signal); });
    ASSERT_EQ(::raise(GetParam().signal), 0);
    EXPECT_TRUE(received.empty()) << "called from the signal handler itself";
    EXPECT_TRUE(processEventsUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received, std::vector<int>{GetParam().signal});
}

TEST_P(TerminationSignalsTest, theDefaultHandlerIsBackAfterDestruction)
{
    std::make_unique<TerminationSignals>([](int) {}).reset();
    struct sigaction old = {};
    ASSERT_EQ(::sigaction(GetParam().signal, nullptr, &old), 0);
    EXPECT_EQ(old.sa_handler, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalsTest,
                         ::testing::Values(SignalCase{{"sigterm"}, SIGTERM}, SignalCase{{"sighup"}, SIGHUP},
                                           SignalCase{{"sigint"}, SIGINT}),
                         caseName);

} // namespace
} // namespace zantaro::testing
