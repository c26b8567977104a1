// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::boardWith;
using testing::LosingGame;
using testing::TestGame;
using Lines = std::vector<std::string>;

// "motion 3 417" and "lamp 5" without their numbers, so frames compare by their shape.
std::string withoutDrawnNumbers(const std::string& line)
{
    if (line.rfind("motion ", 0) == 0)
        return line.substr(0, line.rfind(' '));
    if (line.rfind("lamp ", 0) == 0)
        return "lamp";
    return line;
}

const std::array<int, 8> BounceOffsets{1, 2, 1, 0, -1, -2, -1, 0};

// What wheel `wheel` shows at phase 21 + `stage` of its stop: the click and symbol, the capture,
// then the bounce.
Lines stopStage(int wheel, int stage)
{
    const std::string w = std::to_string(wheel);
    if (stage == 0)
        return {"cue Click", "blank " + w, "cell " + w};
    Lines lines;
    if (stage == 1)
        lines.push_back("capture " + w);
    lines.push_back("bounce " + w + " " + std::to_string(BounceOffsets[stage - 1]));
    return lines;
}

struct RefusedBetCase : testing::NamedCase
{
    std::int32_t coins, lines, credits;
    std::string message;
};

class RefusedBet : public ::testing::TestWithParam<RefusedBetCase>
{
};

TEST_P(RefusedBet, showsItsMessageEndsAutoSpinAndChangesNothingElse)
{
    const RefusedBetCase& c = GetParam();
    TestGame game;
    game.state.coinsPerLine = c.coins;
    game.state.linesPlayed = c.lines;
    game.state.credits = c.credits;
    game.state.autoSpin = true;
    const GameState before = game.state;
    game.spin();

    EXPECT_EQ(game.host.log, (Lines{"message " + c.message, "captions", "timer LampBlink on"}));
    EXPECT_FALSE(game.state.autoSpin);
    EXPECT_EQ(game.state.credits, before.credits);
    EXPECT_EQ(game.state.totalBets, before.totalBets);
    EXPECT_EQ(game.state.spins, before.spins);
    EXPECT_EQ(game.state.wheelPos, before.wheelPos);
    EXPECT_EQ(game.state.bonusLamp, before.bonusLamp);
    EXPECT_EQ(game.state.reelStrips, before.reelStrips);
    EXPECT_EQ(game.state.spinReport, before.spinReport);
    EXPECT_FALSE(game.state.spinning);
}

INSTANTIATE_TEST_SUITE_P(
    Bets, RefusedBet,
    ::testing::Values(RefusedBetCase{"eightCoinsOnEightLinesWith63Credits", 8, 8, 63,
                                     "You do not have enough credits for that bet,"},
                      RefusedBetCase{"zeroCoins", 0, 8, 1000, "You must place a bet first."},
                      RefusedBetCase{"zeroLines", 3, 0, 1000, "You must place a bet first."},
                      RefusedBetCase{"aLoadedNegativeCoinCount", -1, 8, 1000, "You must place a bet first."}),
    testing::caseName);

TEST(SpinStart, takesTheBetBeforeTheFirstFrameAndCountsTheSpin)
{
    LosingGame game;
    game.state.coinsPerLine = 3;
    game.state.linesPlayed = 5;
    std::int32_t creditsAtFirstFrame = 0;
    game.host.onRecord = [&](const std::string& line) {
        if (line.rfind("motion ", 0) == 0 && creditsAtFirstFrame == 0)
            creditsAtFirstFrame = game.state.credits;
    };
    game.spin();
    EXPECT_EQ(creditsAtFirstFrame, 985);
    EXPECT_EQ(game.state.credits, 985);
    EXPECT_EQ(game.state.totalBets, 15);
    EXPECT_EQ(game.state.spins, 1);
}

TEST(SpinStart, stopsTheTimersClearsTheFlashedLineAndTheLampThenShowsTheBetTaken)
{
    LosingGame game;
    game.state.firstWinningLine = 3;
    game.state.bonusLamp = 5;
    game.state.lamps[5] = true;
    game.spin();
    const Lines start(game.host.log.begin() + 1, game.host.log.begin() + 13);
    EXPECT_EQ(start,
              (Lines{"timer LineFlash off", "timer LampBlink off", "blank 0", "cell 0", "blank 3", "cell 3",
                     "blank 6", "cell 6", "lamp 5", "credits", "readout cleared", "wait 25"}));
}

TEST(SpinStart, switchesEveryLampOffAndClearsTheLastResult)
{
    LosingGame game;
    game.state.lamps.fill(true);
    game.state.linePay.fill(7);
    game.state.winnings = 99;
    game.state.doublePayoff = true;
    bool checked = false;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "wait 25" && !checked) {
            checked = true;
            EXPECT_EQ(game.state.lamps, (std::array<bool, LampCount>{}));
            EXPECT_EQ(game.state.linePay, (std::array<std::int32_t, PaylineCount>{}));
            EXPECT_EQ(game.state.winnings, 0);
            EXPECT_FALSE(game.state.doublePayoff);
            EXPECT_TRUE(game.state.spinning);
        }
    };
    game.spin();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(game.state.spinning);
}

TEST(SpinStart, forgetsAStopPressedBetweenSpins)
{
    LosingGame game;
    game.state.stopRequested = true;
    game.spin();
    EXPECT_EQ(game.host.count("wait 25"), 101);
    EXPECT_EQ(game.host.count("wait 20"), 0);
}

TEST(SpinEnd, comesAfterTheDoubleOrNothingGameAndTheCountOff)
{
    LosingGame game;
    testing::showOnWheels(game.state, boardWith({{2, Cherry}}));
    game.state.doubleOn = true;
    game.state.payMode = true;
    std::vector<bool> spinningSeen;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) { spinningSeen.push_back(game.state.spinning); };
    game.host.onRecord = [&](const std::string& line) {
        if (line == "cue CountStep")
            spinningSeen.push_back(game.state.spinning);
    };
    game.spin();
    EXPECT_EQ(spinningSeen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(game.state.spinning);
}

TEST(SpinEnd, switchesTheFreeSpinBlinkOffAndThenTheLampBlinkOn)
{
    LosingGame game;
    game.spin();
    const Lines end(game.host.log.end() - 3, game.host.log.end());
    EXPECT_EQ(end, (Lines{"settled", "timer FreeSpinBlink off", "timer LampBlink on"}));
}

TEST(SpinAnimation,
     runs101FramesOf25MsWithTheLampMovingEveryFourthFrameAndEachWheelStoppingNineFramesAfterTheLast)
{
    LosingGame game;
    game.spin();
    EXPECT_EQ(game.host.linesStartingWith("wait "), Lines(101, "wait 25"));

    const auto frames = testing::framesOf(game.host.log);
    ASSERT_EQ(frames.size(), 101u);
    for (int frame = 1; frame <= 101; ++frame) {
        Lines expected;
        if (frame % 4 == 0)
            expected = {"lamp", "lamp"};
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            const int phase = frame - 9 * wheel;
            if (phase <= 20)
                expected.push_back("motion " + std::to_string(wheel));
            else if (phase <= 29)
                for (const std::string& line : stopStage(wheel, phase - 21))
                    expected.push_back(line);
        }
        Lines actual;
        const auto& lines = frames[frame - 1];
        // The last frame runs on into the evaluation; compare only what the frame drew.
        const std::size_t drawn = frame == 101 ? expected.size() : lines.size();
        ASSERT_GE(lines.size(), drawn) << "frame " << frame;
        std::transform(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(drawn),
                       std::back_inserter(actual), withoutDrawnNumbers);
        EXPECT_EQ(actual, expected) << "frame " << frame;
    }
    EXPECT_EQ(game.host.count("cue Click"), 9);
}

TEST(SpinAnimation, keepsTheFramePaceWhenWaitsWakeWithinTheJitterAllowance)
{
    LosingGame game;
    game.host.waitOvershoot = std::chrono::milliseconds(2);
    game.spin();
    EXPECT_EQ(game.host.tick, std::chrono::milliseconds(101 * 25 + 2));
}

TEST(SpinAnimation, spacesFramesAtLeast25MsFromTheLastFrameWhenWaitsReturnLate)
{
    LosingGame game;
    game.host.waitOvershoot = std::chrono::milliseconds(4);
    game.spin();
    EXPECT_EQ(game.host.linesStartingWith("wait "), Lines(101, "wait 25"));
    EXPECT_EQ(game.host.tick, std::chrono::milliseconds(101 * 29));
}

struct QuickFinishCase : testing::NamedCase
{
    int lastFrameDrawn;
    std::vector<int> wheelsToFinish;
};

class QuickFinish : public ::testing::TestWithParam<QuickFinishCase>
{
};

TEST_P(QuickFinish, stopsEveryUnfinishedWheelTogetherInNineStagesOf20Ms)
{
    const QuickFinishCase& c = GetParam();
    LosingGame game;
    const auto stopAfter = std::chrono::milliseconds(25 * c.lastFrameDrawn + 10);
    game.host.onWait = [&] {
        if (game.host.tick > stopAfter && game.state.spinning)
            game.state.stopRequested = true;
    };
    game.spin();

    const auto frameWaits = game.host.linesStartingWith("wait 25");
    EXPECT_EQ(static_cast<int>(frameWaits.size()), c.lastFrameDrawn + 1);
    Lines afterFrames = game.host.log;
    for (int frame = 0; frame <= c.lastFrameDrawn; ++frame)
        afterFrames = testing::linesAfter(afterFrames, "wait 25");
    Lines expected;
    for (int stage = 0; stage <= 8; ++stage) {
        for (const int wheel : c.wheelsToFinish)
            for (const std::string& line : stopStage(wheel, stage))
                expected.push_back(line);
        expected.push_back("wait 20");
    }
    ASSERT_GE(afterFrames.size(), expected.size());
    EXPECT_EQ(Lines(afterFrames.begin(), afterFrames.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
    EXPECT_EQ(game.host.count("wait 20"), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, QuickFinish,
    ::testing::Values(QuickFinishCase{"beforeTheFirstFrame", 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                      QuickFinishCase{
                          "whileWheelZeroBouncesRestartingItsStop", 25, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                      QuickFinishCase{"afterWheelZeroFinished", 29, {1, 2, 3, 4, 5, 6, 7, 8}},
                      QuickFinishCase{"afterFrame30WheelOneStopsAgain", 30, {1, 2, 3, 4, 5, 6, 7, 8}},
                      QuickFinishCase{"afterFrame100OnlyTheLastWheelFinishes", 100, {8}}),
    testing::caseName);

TEST(QuickFinishStops, areTheStopsTheSpinWouldHaveShownWithoutTheStop)
{
    LosingGame stopped;
    stopped.host.onWait = [&] {
        if (stopped.host.tick > std::chrono::milliseconds(760) && stopped.state.spinning)
            stopped.state.stopRequested = true;
    };
    stopped.spin();
    LosingGame unstopped;
    unstopped.spin();
    EXPECT_EQ(stopped.state.wheelPos, unstopped.state.wheelPos);
    EXPECT_EQ(stopped.host.count("wait 20"), 9);
}

TEST(SpinRequest, aSecondRequestWhileOneRunsIsIgnored)
{
    LosingGame game;
    game.host.onWait = [&] { game.machine.requestSpin(); };
    game.spin();
    EXPECT_EQ(game.state.spins, 1);
    EXPECT_EQ(game.host.count("timer LampBlink on"), 1);
}

// Time the game spent outside its own waits: what synchronous cues held it up.
std::int64_t timeOutsideWaits(const testing::RecordingHost& host)
{
    std::int64_t waited = 0;
    for (const std::string& line : host.linesStartingWith("wait "))
        waited += std::stoll(line.substr(5));
    return host.tick.count() - waited;
}

TEST(SoundOption, offPlaysNoCueAndHoldsTheSpinUpForNoSound)
{
    for (const bool sound : {true, false}) {
        LosingGame game;
        testing::showOnWheels(game.state, boardWith({{0, Bell}, {1, Bell}, {2, Bell}}));
        game.state.lightning = 1;
        game.state.payMode = true;
        game.state.sound = sound;
        game.host.synchronousCueLength = std::chrono::milliseconds(700);
        game.spin();

        EXPECT_EQ(game.state.bellPoolWon, 100) << "sound " << sound;
        EXPECT_EQ(game.host.linesStartingWith("cue ").empty(), !sound) << "sound " << sound;
        EXPECT_EQ(timeOutsideWaits(game.host) == 0, !sound) << "sound " << sound;
    }
}

} // namespace
} // namespace zantaro
