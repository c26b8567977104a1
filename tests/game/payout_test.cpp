// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/evaluation.h"
#include "game/payout.h"
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::BoardGame;
using testing::boardWith;
using Lines = std::vector<std::string>;

// Line 6 pays one coin: a symbol 7 on wheel 2.
const testing::Board OneCoinWin = boardWith({{2, Cherry}});

struct CountOffCase : testing::NamedCase
{
    std::int32_t winnings;
    std::vector<std::pair<std::int32_t, int>> runs; // (step, how many times), in order
};

class CountOff : public ::testing::TestWithParam<CountOffCase>
{
};

TEST_P(CountOff, paysInStepsOfTwentyFiveTenFiveAndOneATenthOfASecondApart)
{
    const CountOffCase& c = GetParam();
    testing::TestGame game;
    game.state.credits = 0;
    game.state.winnings = c.winnings;
    std::vector<std::int32_t> creditsDrawn;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "credits")
            creditsDrawn.push_back(game.state.credits);
    };
    game.play(countOff(game.context()));

    std::vector<std::int32_t> steps;
    for (std::size_t i = 0; i < creditsDrawn.size(); ++i)
        steps.push_back(creditsDrawn[i] - (i == 0 ? 0 : creditsDrawn[i - 1]));
    std::vector<std::int32_t> expected;
    for (const auto& [step, times] : c.runs)
        expected.insert(expected.end(), times, step);
    EXPECT_EQ(steps, expected);

    Lines eachStep;
    for (std::size_t i = 0; i < expected.size(); ++i)
        eachStep.insert(eachStep.end(), {"cue CountStep", "credits", "wait 100"});
    EXPECT_EQ(game.host.log, eachStep);
    EXPECT_EQ(game.state.winnings, 0);
    EXPECT_EQ(game.state.credits, c.winnings);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, CountOff,
    ::testing::Values(CountOffCase{"of24In24StepsOfOne", 24, {{1, 24}}},
                      CountOffCase{"of25InOneStepOfFiveThenTwentyOfOne", 25, {{5, 1}, {1, 20}}},
                      CountOffCase{
                          "of100InOneStepOfTenThen14OfFiveThen20OfOne", 100, {{10, 1}, {5, 14}, {1, 20}}},
                      CountOffCase{"of1234In137Steps", 1234, {{25, 10}, {10, 89}, {5, 14}, {1, 24}}}),
    testing::caseName);

TEST(Payout, instantPayoffPlaysWinThenPaidAndAddsTheWinningsAtOnce)
{
    BoardGame game(OneCoinWin);
    game.state.coinsPerLine = 5;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.credits, 1005);
    EXPECT_EQ(game.host.linesStartingWith("cue "), (Lines{"cue Win", "cue Paid"}));
    EXPECT_EQ(testing::linesAfter(game.host.log, "cue Win"),
              (Lines{"readout shown", "timer LineFlash on", "credits", "cue Paid"}));
}

TEST(Payout, countingOffPlaysWinThenOneCountStepPerStep)
{
    BoardGame game(OneCoinWin);
    game.state.coinsPerLine = 3;
    game.state.payMode = true;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.credits, 1003);
    EXPECT_EQ(game.host.linesStartingWith("cue "),
              (Lines{"cue Win", "cue CountStep", "cue CountStep", "cue CountStep"}));
}

TEST(Payout, showsTheReadoutBeforeTheWinCue)
{
    BoardGame game(OneCoinWin);
    game.play(evaluateSpin(game.context()));
    const Lines shown = testing::linesStartingWithAny(game.host.log, {"readout", "cue "});
    EXPECT_EQ(Lines(shown.begin(), shown.begin() + 2), (Lines{"readout shown", "cue Win"}));
}

struct LostGameCase : testing::NamedCase
{
    bool countOff;
};

class LostDoubleOrNothing : public ::testing::TestWithParam<LostGameCase>
{
};

TEST_P(LostDoubleOrNothing, paysNothingPlaysNoPaidCueAndClearsTheReadout)
{
    BoardGame game(OneCoinWin);
    game.state.doubleOn = true;
    game.state.payMode = GetParam().countOff;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) { game.state.winnings = 0; };
    std::vector<std::int32_t> readoutAmounts;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "readout shown")
            readoutAmounts.push_back(game.state.winnings);
    };
    game.play(evaluateSpin(game.context()));

    EXPECT_EQ(game.state.winnings, 0);
    EXPECT_EQ(game.state.credits, 1000);
    EXPECT_EQ(game.host.linesStartingWith("cue "), Lines{"cue Win"});
    // The readout is drawn again for what the game left, and an amount of 0 clears it.
    EXPECT_EQ(readoutAmounts, (std::vector<std::int32_t>{1, 0}));
}

INSTANTIATE_TEST_SUITE_P(PayModes, LostDoubleOrNothing,
                         ::testing::Values(LostGameCase{"countingOff", true},
                                           LostGameCase{"instantPayoff", false}),
                         testing::caseName);

TEST(DoubleOrNothing, opensThePyramidOnceAndPaysWhatTheGameLeft)
{
    BoardGame game(OneCoinWin);
    game.state.doubleOn = true;
    game.state.coinsPerLine = 4;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) {
        EXPECT_FALSE(game.state.playAgain);
        game.state.winnings *= 3;
    };
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.host.linesStartingWith("game "), Lines{"game Pyramid"});
    EXPECT_EQ(game.state.credits, 1012);
}

TEST(DoubleOrNothing, aSwitchToTheOtherGameOpensItNext)
{
    BoardGame game(OneCoinWin);
    game.state.doubleOn = true;
    int opened = 0;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) {
        EXPECT_FALSE(game.state.playAgain) << "window " << opened;
        if (++opened < 3) {
            game.state.bonusGame = !game.state.bonusGame;
            game.state.playAgain = true;
        }
    };
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.host.linesStartingWith("game "), (Lines{"game Pyramid", "game CardGame", "game Pyramid"}));
}

struct OfferCase : testing::NamedCase
{
    bool offered, pyramidChosen, autoSpin;
    Lines games;
    int lineFlashes;
};

class DoubleOrNothingOffer : public ::testing::TestWithParam<OfferCase>
{
};

TEST_P(DoubleOrNothingOffer, opensTheChosenGameWhileTheOptionIsOn)
{
    const OfferCase& c = GetParam();
    BoardGame game(OneCoinWin);
    game.state.doubleOn = c.offered;
    game.state.bonusGame = c.pyramidChosen;
    game.state.autoSpin = c.autoSpin;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.host.linesStartingWith("game "), c.games);
    EXPECT_EQ(game.host.count("timer LineFlash on"), c.lineFlashes);
}

INSTANTIATE_TEST_SUITE_P(
    Options, DoubleOrNothingOffer,
    ::testing::Values(
        OfferCase{"thePyramidWhenChosen", true, true, false, {"game Pyramid"}, 1},
        OfferCase{"theCardGameWhenThePyramidIsNotChosen", true, false, false, {"game CardGame"}, 1},
        OfferCase{"noGameWhileTheOptionIsOff", false, true, false, {}, 1},
        OfferCase{"stillInAutoSpinWhereThePayingLinesDoNotFlash", true, true, true, {"game Pyramid"}, 0}),
    testing::caseName);

TEST(LineFlash, startsAfterTheGameOnARegularSpinAndBeforeItOnAFreeSpin)
{
    BoardGame regular(OneCoinWin);
    regular.state.doubleOn = true;
    regular.play(evaluateSpin(regular.context()));
    EXPECT_EQ(testing::linesAfter(regular.host.log, "cue Win"),
              (Lines{"game Pyramid", "readout shown", "timer LineFlash on", "credits", "cue Paid"}));

    BoardGame freeSpin(boardWith({{0, Seven}, {1, Seven}, {2, Seven}}));
    freeSpin.state.doubleOn = true;
    freeSpin.state.freeSpinMode = true;
    freeSpin.play(evaluateFreeSpin(freeSpin.context()));
    EXPECT_EQ(testing::linesAfter(freeSpin.host.log, "cue Win"),
              (Lines{"timer LineFlash on", "game Pyramid", "readout shown", "credits", "cue Paid"}));
}

TEST(LineFlash, doesNotStartWhenOnlyTheBellPoolPaid)
{
    BoardGame game(boardWith({}));
    game.state.lightning = 0;
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.credits, 1100);
    EXPECT_EQ(game.host.count("timer LineFlash on"), 0);
}

struct FreeSpinWinCase : testing::NamedCase
{
    bool countOff;
};

class FreeSpinWinnings : public ::testing::TestWithParam<FreeSpinWinCase>
{
};

TEST_P(FreeSpinWinnings, countInBarRollWonAsTheGameLeftThem)
{
    BoardGame game(boardWith({{0, Seven}, {1, Seven}, {2, Seven}}));
    game.state.freeSpinMode = true;
    game.state.doubleOn = true;
    game.state.payMode = GetParam().countOff;
    game.state.barRollWon = 7;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) { game.state.winnings *= 2; };
    game.play(evaluateFreeSpin(game.context()));
    EXPECT_EQ(game.state.barRollWon, 7 + 40);
    EXPECT_EQ(game.state.credits, 1040);
}

INSTANTIATE_TEST_SUITE_P(PayModes, FreeSpinWinnings,
                         ::testing::Values(FreeSpinWinCase{"countingOff", true},
                                           FreeSpinWinCase{"instantPayoff", false}),
                         testing::caseName);

TEST(FreeSpinWinningsLost, addNothingToBarRollWon)
{
    BoardGame game(boardWith({{0, Seven}, {1, Seven}, {2, Seven}}));
    game.state.freeSpinMode = true;
    game.state.doubleOn = true;
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) { game.state.winnings = 0; };
    game.play(evaluateFreeSpin(game.context()));
    EXPECT_EQ(game.state.barRollWon, 0);
}

TEST(SoundOption, offSilencesEveryCueOfAnEvaluation)
{
    BoardGame game(boardWith({{0, Grape}, {1, Grape}, {2, Grape}}), 2);
    game.state.sound = false;
    game.state.lightning = 0;
    game.needOnlyTheLastGrape();
    game.play(evaluateSpin(game.context()));
    EXPECT_EQ(game.state.freeSpinsPending, 3);
    EXPECT_GT(game.state.bellPoolWon, 0);
    EXPECT_TRUE(game.host.linesStartingWith("cue ").empty());
}

} // namespace
} // namespace zantaro
