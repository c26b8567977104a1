// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_run.h"

#include <gtest/gtest.h>
#include <regex>

namespace zantaro::simulator {
namespace {

using testing::drawnSpin;
using testing::intArrayMember;
using testing::intMember;
using testing::isFreeSpin;
using testing::runSimulator;

const std::vector<std::string> RecordKeys{
    "kind",
    "stops",
    "symbols",
    "lamp",
    "linePay",
    "winnings",
    "credits",
    "totalBets",
    "spins",
    "bellPool",
    "bellPoolWon",
    "lightning",
    "melons",
    "apples",
    "grapes",
    "freeSpinsPending",
    "numberOfBarRolls",
    "barRollWon",
    "report",
};

std::vector<std::string> keysOf(const std::string& line)
{
    static const std::regex key("\"([A-Za-z]+)\":");
    std::vector<std::string> keys;
    for (auto match = std::sregex_iterator(line.begin(), line.end(), key); match != std::sregex_iterator();
         ++match)
        keys.push_back((*match)[1]);
    return keys;
}

TEST(PlayCommand, printsOneCompactObjectPerSpinWithTheKeysInOrder)
{
    const auto run = runSimulator({"play", "--spins", "40", "--clock", "777"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
    const auto lines = run.outLines();
    ASSERT_GE(lines.size(), 40u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.front(), '{');
        EXPECT_EQ(line.back(), '}');
        EXPECT_EQ(line.substr(0, line.find("\"report\":")).find(' '), std::string::npos) << line;
        EXPECT_EQ(keysOf(line), RecordKeys) << line;
        EXPECT_EQ(intArrayMember(line, "stops").size(), 9u);
        EXPECT_EQ(intArrayMember(line, "symbols").size(), 9u);
        EXPECT_EQ(intArrayMember(line, "linePay").size(), 8u);
    }
}

// Every reseed reads the next clock value: a spin's own and, for a regular spin, its evaluation's.
// So each spin's stops and final lamp follow from the count of reseeds before it.
TEST(PlayCommand, eachSpinDrawsFromTheClockValueOfItsReseed)
{
    const std::int64_t first = 86'399'990;
    const std::int64_t step = 7;
    const auto lines = runSimulator({"play", "--spins", "80", "--clock", std::to_string(first),
                                     "--clock-step", std::to_string(step)})
                           .outLines();
    std::int64_t reseeds = 0;
    int freeSpins = 0;
    int regularSpins = 0;
    for (const std::string& line : lines) {
        const auto expected = drawnSpin((first + reseeds * step) % 86'400'000);
        EXPECT_EQ(intArrayMember(line, "stops"),
                  std::vector<int>(expected.stops.begin(), expected.stops.end()))
            << "spin after " << reseeds << " reseeds";
        EXPECT_EQ(intMember(line, "lamp"), expected.lamp);
        reseeds += isFreeSpin(line) ? 1 : 2;
        (isFreeSpin(line) ? freeSpins : regularSpins) += 1;
    }
    EXPECT_EQ(regularSpins, 80);
    EXPECT_GT(freeSpins, 0);
}

TEST(PlayCommand, freeSpinsFollowTheRegularSpinThatEarnedThem)
{
    const auto lines = runSimulator({"play", "--spins", "200", "--clock", "4242"}).outLines();
    std::int64_t pending = 0;
    for (const std::string& line : lines) {
        if (isFreeSpin(line)) {
            EXPECT_GT(pending, 0) << line;
            --pending;
        } else {
            EXPECT_EQ(pending, 0) << "a regular spin before the free spins were played: " << line;
        }
        pending = intMember(line, "freeSpinsPending");
    }
}

TEST(PlayCommand, automaticLoserShowsItsBlanksInTheSymbols)
{
    const auto lines = runSimulator({"play", "--spins", "100", "--clock", "31337"}).outLines();
    int losers = 0;
    for (const std::string& line : lines) {
        if (intMember(line, "lamp") != 0)
            continue;
        ++losers;
        EXPECT_EQ(intArrayMember(line, "symbols"), (std::vector<int>{11, 10, 10, 10, 10, 11, 11, 11, 10}));
        EXPECT_EQ(intMember(line, "winnings"), 0);
        EXPECT_NE(line.find("\"report\":\"Automatic Loser\\r\\n\""), std::string::npos) << line;
    }
    EXPECT_GT(losers, 0);
}

TEST(PlayCommand, reportsKeepTheirLineBreaksEscaped)
{
    const auto run = runSimulator({"play", "--spins", "20", "--clock", "99"});
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_NE(run.out.find(" paid "), std::string::npos);
    EXPECT_NE(run.out.find(".\\r\\n"), std::string::npos);
}

TEST(PlayCommand, betAndBalanceComeFromTheOptions)
{
    const auto lines = runSimulator({"play", "--lines", "3", "--coins", "5", "--credits", "500"}).outLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(intMember(lines[0], "totalBets"), 15);
    EXPECT_EQ(intMember(lines[0], "credits"), 500 - 15 + intMember(lines[0], "winnings"));
    const auto linePay = intArrayMember(lines[0], "linePay");
    EXPECT_TRUE(std::all_of(linePay.begin() + 3, linePay.end(), [](int pay) { return pay == 0; }));
}

struct RefusalCase
{
    std::string name;
    std::vector<std::string> arguments;
    std::string expectedLastLine;
};

void PrintTo(const RefusalCase& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class RefusedBet : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(RefusedBet, endsTheRunWithTheMessageAndStatusZero)
{
    const auto run = runSimulator(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_FALSE(run.outLines().empty());
    EXPECT_EQ(run.outLines().back(), GetParam().expectedLastLine);
}

INSTANTIATE_TEST_SUITE_P(
    Bets, RefusedBet,
    ::testing::Values(
        RefusalCase{"noLines", {"play", "--lines", "0"}, "{\"refused\": \"You must place a bet first.\"}"},
        RefusalCase{"noCoins",
                    {"play", "--coins", "0", "--spins", "5"},
                    "{\"refused\": \"You must place a bet first.\"}"},
        RefusalCase{"betAboveCredits",
                    {"play", "--coins", "8", "--credits", "63"},
                    "{\"refused\": \"You do not have enough credits for that bet,\"}"}));

TEST(PlayCommand, refusalOfABetWithNothingPlayedIsTheOnlyLine)
{
    EXPECT_EQ(runSimulator({"play", "--lines", "0"}).out, "{\"refused\": \"You must place a bet first.\"}\n");
}

TEST(PlayCommand, runningOutOfCreditsStopsAfterTheLastSpinPaid)
{
    const auto lines =
        runSimulator({"play", "--credits", "16", "--spins", "1000", "--clock", "5"}).outLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "{\"refused\": \"You do not have enough credits for that bet,\"}");
    EXPECT_LT(intMember(lines[lines.size() - 2], "credits"), 8);
}

TEST(PlayCommand, theSameClockReplaysTheSameGame)
{
    const std::vector<std::string> arguments{"play",   "--spins",      "50", "--clock",
                                             "123456", "--clock-step", "3"};
    const auto first = runSimulator(arguments);
    EXPECT_EQ(runSimulator(arguments).out, first.out);
    EXPECT_NE(runSimulator({"play", "--spins", "50", "--clock", "123457", "--clock-step", "3"}).out,
              first.out);
}

TEST(PlayCommand, theDefaultsAreOneSpinFromClockZero)
{
    EXPECT_EQ(runSimulator({"play"}).out,
              runSimulator({"play", "--spins", "1", "--clock", "0", "--clock-step", "1", "--lines", "8",
                            "--coins", "1", "--credits", "1000"})
                  .out);
    const auto first = runSimulator({"play"}).outLines().front();
    const auto expected = drawnSpin(0);
    EXPECT_EQ(intArrayMember(first, "stops"), std::vector<int>(expected.stops.begin(), expected.stops.end()));
}

} // namespace
} // namespace zantaro::simulator
