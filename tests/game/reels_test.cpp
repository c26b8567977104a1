// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/evaluation.h"
#include "game/reels.h"
#include "support/test_game.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::TestGame;

// The number of times each code 0 to 11 stands on a strip.
using SymbolCounts = std::array<int, SymbolCount>;

SymbolCounts countSymbols(const Strip& strip)
{
    SymbolCounts counts{};
    for (const std::uint8_t code : strip)
        counts[code] += 1;
    return counts;
}

// The counts of the strip tables.
constexpr SymbolCounts Wheel0Counts{1, 2, 3, 3, 4, 3, 0, 1, 0, 0, 0, 3};
constexpr SymbolCounts Wheel1Counts{1, 1, 4, 2, 2, 3, 0, 3, 0, 0, 4, 0};
constexpr SymbolCounts Wheel2Counts{1, 2, 1, 3, 3, 4, 0, 4, 0, 0, 2, 0};
constexpr SymbolCounts Wheel3Counts{1, 1, 4, 2, 2, 3, 0, 4, 0, 0, 3, 0};
constexpr SymbolCounts Wheel4Counts{1, 2, 1, 3, 3, 4, 0, 2, 0, 0, 4, 0};
constexpr SymbolCounts Wheel5To7Counts{1, 2, 3, 3, 4, 3, 0, 2, 0, 0, 0, 2};
constexpr SymbolCounts Wheel8Counts{1, 1, 3, 2, 2, 3, 0, 4, 0, 0, 4, 0};
constexpr SymbolCounts FreeACounts{1, 4, 0, 0, 0, 0, 0, 0, 2, 3, 0, 10};
constexpr SymbolCounts FreeBCounts{1, 4, 0, 0, 0, 0, 0, 0, 2, 3, 10, 0};
constexpr SymbolCounts FreeCCounts{1, 3, 0, 0, 0, 0, 0, 0, 1, 2, 0, 13};

void expectSymbolCounts(const GameState& state, const std::array<SymbolCounts, WheelCount>& expected)
{
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(countSymbols(state.reelStrips[wheel]), expected[wheel]) << "wheel " << wheel;
}

TEST(ReelStrips, normalStripsHoldTheirSymbolCounts)
{
    GameState state;
    buildNormalStrips(state);
    expectSymbolCounts(state, {Wheel0Counts, Wheel1Counts, Wheel2Counts, Wheel3Counts, Wheel4Counts,
                               Wheel5To7Counts, Wheel5To7Counts, Wheel5To7Counts, Wheel8Counts});
}

TEST(ReelStrips, freeSpinStripsGoAToWheels027BTo13568AndCToTheCentre)
{
    GameState state;
    loadFreeSpinStrips(state);
    expectSymbolCounts(state, {FreeACounts, FreeBCounts, FreeACounts, FreeBCounts, FreeCCounts, FreeBCounts,
                               FreeBCounts, FreeACounts, FreeBCounts});
}

TEST(ReelStrips, rebuildingEachTableUndoesBlanksWrittenOverItsStrips)
{
    GameState state;
    buildNormalStrips(state);
    const auto normal = state.reelStrips;
    loadFreeSpinStrips(state);
    const auto freeSpin = state.reelStrips;
    for (const auto& rebuild : {buildNormalStrips, loadFreeSpinStrips}) {
        rebuild(state);
        for (Strip& strip : state.reelStrips)
            strip.fill(BlankP);
    }
    buildNormalStrips(state);
    EXPECT_EQ(state.reelStrips, normal);
    loadFreeSpinStrips(state);
    EXPECT_EQ(state.reelStrips, freeSpin);
}

TEST(ReelStrips, stripTextsReadDigitsAndLAsTenAndPAsEleven)
{
    const Strip strip = stripFromText("0123456789LPLP012345");
    const Strip expected{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 10, 11, 0, 1, 2, 3, 4, 5};
    EXPECT_EQ(strip, expected);
}

TEST(ReelStrips, loadingTheFreeSpinStripsKeepsThePositionsOfTheLastRegularSpin)
{
    GameState state = startupGameState();
    state.wheelPos = {19, 0, 5, 7, 11, 2, 3, 17, 8};
    loadFreeSpinStrips(state);
    EXPECT_EQ(state.savedWheelPos, state.wheelPos);
}

TEST(ReelStrips, beforeTheFirstSpinTheWindowShows213Over354Over207)
{
    const GameState state = startupGameState();
    const std::array<int, WheelCount> expected{2, 1, 3, 3, 5, 4, 2, 0, 7};
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(state.shownSymbol(wheel), expected[wheel]) << "wheel " << wheel;
}

TEST(ReelStrips, wheelsSharingAStripTextKeepTheirOwnRows)
{
    TestGame game;
    game.payInstantlyWithoutOffer();
    game.state.wheelPos = {0, 0, 0, 0, 0, 9, 4, 14, 0};
    game.state.bonusLamp = 0; // Automatic Loser overwrites every wheel's stop
    game.play(evaluateSpin(game.context()));

    const Strip normal = stripFromText(NormalStrips[5]);
    Strip wheel5 = normal;
    wheel5[9] = BlankP;
    Strip wheel6 = normal;
    wheel6[4] = BlankP;
    Strip wheel7 = normal;
    wheel7[14] = BlankP;
    EXPECT_EQ(game.state.reelStrips[5], wheel5);
    EXPECT_EQ(game.state.reelStrips[6], wheel6);
    EXPECT_EQ(game.state.reelStrips[7], wheel7);
}

// The stops and every lamp of a spin come from one seeded generator in a fixed order: one draw
// thrown away, the first lamp, then a motion offset and a stop for each wheel in turn, then the
// lamp once every fourth frame.
TEST(StopDrawing, spinDrawsThrowAwayThenLampThenOffsetAndStopPerWheelThenLampSteps)
{
    TestGame game;
    game.payInstantlyWithoutOffer();
    constexpr std::int64_t clock = 45'296'789;
    game.host.clockValue = clock;
    game.spin();
    ASSERT_EQ(game.host.log.front(), "reseed " + std::to_string(clock));

    RandomGenerator expected;
    expected.reseed(clock);
    expected.random(2);
    int lamp = static_cast<int>(expected.random(8));
    std::array<int, WheelCount> offsets{};
    std::array<std::int32_t, WheelCount> stops{};
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        offsets[wheel] = static_cast<int>(expected.random(576));
        stops[wheel] = static_cast<std::int32_t>(expected.random(20));
    }
    EXPECT_EQ(game.state.wheelPos, stops);

    const auto frames = testing::framesOf(game.host.log);
    ASSERT_EQ(frames.size(), 101u);
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(frames[0][wheel], "motion " + std::to_string(wheel) + " " + std::to_string(offsets[wheel]));
    for (int frame = 4; frame <= 100; frame += 4) {
        const int next = static_cast<int>(expected.random(8));
        const std::vector<std::string> lampLines(frames[frame - 1].begin(), frames[frame - 1].begin() + 2);
        EXPECT_EQ(lampLines,
                  (std::vector<std::string>{"lamp " + std::to_string(lamp), "lamp " + std::to_string(next)}))
            << "frame " << frame;
        lamp = next;
    }
    EXPECT_EQ(game.state.bonusLamp, lamp);
}

TEST(StopDrawing, spinsReseededFromTheSameMillisecondDrawTheSameStopsAndLamp)
{
    TestGame first;
    TestGame second;
    for (TestGame* game : {&first, &second}) {
        game->payInstantlyWithoutOffer();
        game->host.nextReseeds = {7'000'123, 0};
        game->spin();
    }
    EXPECT_EQ(first.state.wheelPos, second.state.wheelPos);
    EXPECT_EQ(first.state.bonusLamp, second.state.bonusLamp);
}

TEST(StopDrawing, wheelMotionStepsBack61RowsAndWrapsAtTheTopOfTheStrip)
{
    TestGame game;
    game.payInstantlyWithoutOffer();
    game.spin();
    const auto frames = testing::framesOf(game.host.log);
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        int offset = std::stoi(frames[0][wheel].substr(8));
        for (int frame = 2; frame <= 20; ++frame) {
            offset = (offset - 61 + 576) % 576;
            const auto& lines = frames[frame - 1];
            const std::string expected = "motion " + std::to_string(wheel) + " " + std::to_string(offset);
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
                << "wheel " << wheel << " frame " << frame;
        }
    }
}

} // namespace
} // namespace zantaro
