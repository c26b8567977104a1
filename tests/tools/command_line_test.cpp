// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"
#include "options.h"
#include "simulator_run.h"

#include <gtest/gtest.h>
#include <numeric>
#include <regex>

namespace zantaro::simulator {
namespace {

using testing::runSimulator;

class UsageErrorCommandLine : public ::testing::TestWithParam<std::vector<std::string>>
{
};

TEST_P(UsageErrorCommandLine, exitsWithStatusTwoAndTheUsageOnStandardError)
{
    const auto run = runSimulator(GetParam());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.errors.rfind("zantaro-sim: ", 0), 0u) << run.errors;
    EXPECT_NE(run.errors.find("Usage: zantaro-sim play"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, UsageErrorCommandLine,
                         ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"spin"},
                                           std::vector<std::string>{"play", "--bogus"},
                                           std::vector<std::string>{"par", "--spins", "3"},
                                           std::vector<std::string>{"play", "--spins"},
                                           std::vector<std::string>{"play", "--spins", "x"},
                                           std::vector<std::string>{"play", "--spins", "-1"},
                                           std::vector<std::string>{"play", "--lines", "9"},
                                           std::vector<std::string>{"play", "--coins", "2.5"},
                                           std::vector<std::string>{"play", "--credits", "3000000000"},
                                           std::vector<std::string>{"par", "--simulate", "0"},
                                           std::vector<std::string>{"par", "--json=yes"},
                                           std::vector<std::string>{"play", "7"}));

TEST(CommandLine, unknownOptionIsNamedInTheMessage)
{
    EXPECT_EQ(runSimulator({"play", "--bogus"}).errors.rfind("zantaro-sim: unknown option '--bogus'\n", 0),
              0u);
}

TEST(CommandLine, helpPrintsTheUsageAndSucceeds)
{
    for (const auto& arguments :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"play", "--help"},
          std::vector<std::string>{"par", "-h"}}) {
        const auto run = runSimulator(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, usageText());
    }
}

TEST(CommandLine, optionValuesMayFollowAnEqualsSign)
{
    EXPECT_EQ(runSimulator({"play", "--spins=4", "--clock=99"}).out,
              runSimulator({"play", "--spins", "4", "--clock", "99"}).out);
}

TEST(CommandLine, clockValuesBeyondADayWrapAround)
{
    EXPECT_EQ(runSimulator({"play", "--spins", "3", "--clock", "86400005", "--clock-step", "-86399999"}).out,
              runSimulator({"play", "--spins", "3", "--clock", "5", "--clock-step", "1"}).out);
}

TEST(ParCommand, jsonHoldsBothTablesAndTheSimulation)
{
    const auto run = runSimulator({"par", "--json", "--simulate", "2000", "--clock", "17"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string& json = run.out;
    EXPECT_EQ(json.rfind(
                  "{\"regular\":{\"lines\":[{\"line\":1,\"wheels\":[0,1,2],\"rows\":[{\"row\":1,\"pays\":250,"
                  "\"probability\":\"1/8000\",\"contribution\":\"1/32\"},",
                  0),
              0u)
        << json.substr(0, 200);
    EXPECT_NE(json.find("{\"line\":8,\"wheels\":[6,4,2],"), std::string::npos);
    EXPECT_NE(
        json.find(",\"free\":{\"lines\":[{\"line\":1,\"wheels\":[0,1,2],\"rows\":[{\"row\":1,\"pays\":100,"),
        std::string::npos);
    for (const char* key :
         {"\"simulation\":{", "\"regularSpins\":2000,", "\"freeSpins\":", "\"totalBet\":16000,",
          "\"totalPaid\":", "\"paidRegularLines\":", "\"paidBellPool\":", "\"paidFreeSpins\":",
          "\"regularHits\":", "\"freeSpinRuns\":", "\"bellPoolWins\":", "\"rtp\":", "\"rtp95ci\":[",
          "\"hitFrequency\":", "\"spinsPerSecond\":", "\"expectedPayPerCoin\":\"", "\"hitFrequency\":\""})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(json.back(), '\n');
}

TEST(ParCommand, everyExactFigureIsAFractionInLowestTerms)
{
    const std::string json = runSimulator({"par", "--json", "--simulate", "10", "--clock", "0"}).out;
    static const std::regex fraction("\"(-?[0-9]+)/([0-9]+)\"");
    int fractions = 0;
    for (auto match = std::sregex_iterator(json.begin(), json.end(), fraction);
         match != std::sregex_iterator(); ++match, ++fractions) {
        const std::int64_t numerator = std::stoll((*match)[1]);
        const std::int64_t denominator = std::stoll((*match)[2]);
        EXPECT_EQ(std::gcd(numerator, denominator), 1) << (*match)[0];
        EXPECT_GT(denominator, 0);
    }
    // Per table: 8 lines x (rows x 2 + 2), and one mean.
    EXPECT_EQ(fractions, (8 * (9 * 2 + 2) + 1) + (8 * (5 * 2 + 2) + 1));
}

TEST(ParCommand, readableSheetNamesEveryPartOfTheReturn)
{
    const auto run = runSimulator({"par", "--simulate", "1000", "--clock", "3"});
    ASSERT_EQ(run.exitCode, 0);
    for (const char* text : {"Line 1 (wheels 0, 1, 2)", "Line 8 (wheels 6, 4, 2)", "Expected pay per coin: ",
                             "Return to player:", "bell pool:", "free spins:", "Hit frequency:",
                             "Free-spin runs:", "Bell-pool wins:", "regular spins per second"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
}

TEST(JsonWriter, escapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(jsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
    EXPECT_EQ(jsonString("Line 1 paid 3.\r\n"), "\"Line 1 paid 3.\\r\\n\"");
}

TEST(JsonWriter, separatesMembersAndElementsWithCommas)
{
    JsonWriter json;
    const std::array<std::int32_t, 3> numbers{1, -2, 3};
    json.beginObject().key("a").value(std::int64_t{1}).key("b").value(numbers).key("c").beginArray();
    json.beginObject().endObject().value("x").endArray().key("d").value(0.5).endObject();
    EXPECT_EQ(json.text(), "{\"a\":1,\"b\":[1,-2,3],\"c\":[{},\"x\"],\"d\":0.5}");
}

} // namespace
} // namespace zantaro::simulator
