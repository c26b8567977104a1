// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the Pyramid, headless: the shuffle, the hints, the squares' effects and the tally.
#include "game/pyramid_board.h"
#include "support/named_cases.h"
#include "support/recording_host.h"
#include "ui/double_or_nothing/game_on_host.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace zantaro::testing {
namespace {

// A clock value whose shuffle puts the "5X" behind the square numbered 7, with hints behind the
// squares numbered 2 and 14.
constexpr std::int64_t FiveUnderSevenClock = 1014;

// Logs what the board shows into the host's log, so it reads in order with the cues and holds.
class RecordingPyramidView : public PyramidView
{
public:
    explicit RecordingPyramidView(RecordingHost& host) : m_host(host) {}
    const PyramidBoard* board = nullptr; // the board being opened

    void showSquare(int square) override
    {
        m_host.log.push_back("square " + std::to_string(square) +
                             (board->labelShown(square) ? " label" : " open"));
    }
    void showWinnings() override { m_host.log.push_back("label"); }
    void showHint(const std::string& text) override { m_host.log.push_back("hint " + text); }

private:
    RecordingHost& m_host;
};

struct PyramidBoardTest : ::testing::Test, GameOnHost<RecordingHost>
{
    RecordingPyramidView view{host};

    PyramidBoard create(std::int64_t clock, std::int32_t winnings)
    {
        host.clockValue = clock;
        state.winnings = winnings;
        return PyramidBoard(context);
    }

    static int squareLabelled(const PyramidBoard& board, std::string_view label)
    {
        for (int square = 0; square < SquareCount; ++square) {
            if (board.label(square) == label)
                return square;
        }
        return -1;
    }

    void startOpening(PyramidBoard& board, int square)
    {
        view.board = &board;
        board.open(square, view);
    }

    // Opens a square and sees the opening through as the window does: each hold ends, noted in the
    // log, and a hint shown is read.
    void open(PyramidBoard& board, int square)
    {
        startOpening(board, square);
        while (board.opening()) {
            if (board.hold() > std::chrono::milliseconds{0}) {
                host.log.push_back("hold " + std::to_string(board.hold().count()));
                board.finishHold(view);
            } else {
                board.hintRead();
            }
        }
    }
};

TEST_F(PyramidBoardTest, shuffleReseedsThenSwapsWith1001PassesOfFifteenDraws)
{
    const PyramidBoard board = create(777, 10);
    RandomGenerator expected;
    expected.reseed(777);
    for (int draw = 0; draw < 1001 * 15; ++draw)
        expected.random(15);
    EXPECT_EQ(random.state(), expected.state());
    EXPECT_EQ(host.linesStartingWith("reseed"), std::vector<std::string>{"reseed 777"});
}

TEST_F(PyramidBoardTest, aFixedClockAlwaysShufflesTheSameLabels)
{
    const PyramidBoard board = create(FiveUnderSevenClock, 10);
    const std::vector<std::string_view> expected{"Try Again", "Hint", "Lose",      "Try Again", "Lose",
                                                 "Lose",      "5X",   "Try Again", "2X",        "Lose",
                                                 "3X",        "Lose", "Lose",      "Hint",      "Lose"};
    std::vector<std::string_view> labels;
    for (int square = 0; square < SquareCount; ++square)
        labels.push_back(board.label(square));
    EXPECT_EQ(labels, expected);
}

TEST_F(PyramidBoardTest, everyShuffleKeepsOneOfEachMultiplierTwoHintsThreeTryAgainsAndSevenLoses)
{
    for (std::int64_t clock : {0, 5, 12345, 86'399'999}) {
        const PyramidBoard board = create(clock, 10);
        std::map<std::string_view, int> counts;
        for (int square = 0; square < SquareCount; ++square)
            ++counts[board.label(square)];
        const std::map<std::string_view, int> expected{{"2X", 1},   {"3X", 1},        {"5X", 1},
                                                       {"Hint", 2}, {"Try Again", 3}, {"Lose", 7}};
        EXPECT_EQ(counts, expected) << "clock " << clock;
        EXPECT_LT(board.firstHintSquare(), board.secondHintSquare());
    }
}

TEST_F(PyramidBoardTest, squaresStandInFiveRowsAsAPyramid)
{
    const std::vector<std::pair<int, int>> expected{
        {361, 52},  {329, 116}, {393, 116}, {297, 180}, {361, 180}, {425, 180}, {265, 244}, {329, 244},
        {393, 244}, {457, 244}, {233, 308}, {297, 308}, {361, 308}, {425, 308}, {489, 308}};
    for (int square = 0; square < SquareCount; ++square) {
        const SquarePosition at = squarePosition(square);
        EXPECT_EQ(std::make_pair(at.x, at.y), expected[static_cast<std::size_t>(square)])
            << "square " << square;
    }
}

TEST_F(PyramidBoardTest, theFiveUnderSquareSevenGivesTheOddAndTheAtLeastSevenHints)
{
    const PyramidBoard board = create(FiveUnderSevenClock, 10);
    ASSERT_EQ(board.label(6), "5X");
    EXPECT_EQ(board.firstHintSquare(), 1);
    EXPECT_EQ(board.secondHintSquare(), 13);
    EXPECT_EQ(board.firstHintText(), "The 5X symbol is behind a square with an odd number on it.");
    EXPECT_EQ(board.secondHintText(),
              "The 5X symbol is behind a square with a number greater than or equal to 7 on it.");
}

TEST_F(PyramidBoardTest, aHintShowsItsOwnTextAfterItsLabelWhicheverHintIsOpenedFirst)
{
    PyramidBoard board = create(FiveUnderSevenClock, 10);
    host.clearLog();
    open(board, 13);
    EXPECT_EQ(host.log, (std::vector<std::string>{"square 13 open", "cue Award", "label", "square 13 label",
                                                  "hint " + board.secondHintText()}));
    host.clearLog();
    open(board, 1);
    EXPECT_EQ(host.linesStartingWith("hint"), std::vector<std::string>{"hint " + board.firstHintText()});
    EXPECT_EQ(state.winnings, 10);
}

TEST_F(PyramidBoardTest, twoFiveAndThreeTimesOnTenMake300AndCount290AsWon)
{
    PyramidBoard board = create(FiveUnderSevenClock, 10);
    host.clearLog();
    for (std::string_view multiplier : {"2X", "5X", "3X"})
        open(board, squareLabelled(board, multiplier));
    board.round().keepWinnings();
    board.round().settle();
    EXPECT_EQ(state.winnings, 300);
    EXPECT_EQ(state.doubleOrNothingWon, 290);
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(host.linesStartingWith("cue"), (std::vector<std::string>{"cue Win", "cue Win", "cue Win"}));
}

TEST_F(PyramidBoardTest, tryAgainKeepsTheWinningsWithTheNeutralCue)
{
    PyramidBoard board = create(FiveUnderSevenClock, 10);
    open(board, 0);
    EXPECT_EQ(state.winnings, 10);
    EXPECT_EQ(host.linesStartingWith("cue"), std::vector<std::string>{"cue Neutral"});
}

TEST_F(PyramidBoardTest, loseFirstZeroesTheWinningsAndOpensEverySquareAfterTheSecondsPause)
{
    state.doubleOrNothingWon = 5;
    PyramidBoard board = create(FiveUnderSevenClock, 40);
    host.clearLog();
    open(board, 2);
    const std::vector<std::string> start{"square 2 open", "cue Loss", "label", "square 2 label", "hold 1000"};
    ASSERT_GE(host.log.size(), start.size() + SquareCount);
    EXPECT_EQ(std::vector<std::string>(host.log.begin(), host.log.begin() + 5), start);
    EXPECT_EQ(host.log.back(), "square 14 label");
    EXPECT_EQ(state.winnings, 0);
    for (int square = 0; square < SquareCount; ++square) {
        EXPECT_TRUE(board.opened(square));
        EXPECT_TRUE(board.labelShown(square));
    }
    board.round().settle();
    EXPECT_EQ(state.doubleOrNothingWon, -35);
}

TEST_F(PyramidBoardTest, aSynchronousCueHoldsTheLabelAndTheWinningsBackUntilItEnds)
{
    host.synchronousCueLength = std::chrono::milliseconds(600);
    PyramidBoard board = create(FiveUnderSevenClock, 10);
    host.clearLog();
    startOpening(board, 8); // 2X
    EXPECT_TRUE(board.opening());
    EXPECT_EQ(board.hold(), std::chrono::milliseconds(600));
    EXPECT_EQ(state.winnings, 20);
    EXPECT_FALSE(board.labelShown(8));
    startOpening(board, 0); // refused while the cue holds the game
    EXPECT_EQ(host.log, (std::vector<std::string>{"square 8 open", "cue Win"}));
    board.finishHold(view);
    EXPECT_FALSE(board.opening());
    EXPECT_EQ(host.log, (std::vector<std::string>{"square 8 open", "cue Win", "label", "square 8 label"}));
}

TEST_F(PyramidBoardTest, theOpeningLastsUntilTheHintIsRead)
{
    PyramidBoard board = create(FiveUnderSevenClock, 10);
    startOpening(board, 1);
    EXPECT_TRUE(board.opening());
    EXPECT_EQ(board.hold(), std::chrono::milliseconds{0});
    startOpening(board, 8);
    EXPECT_FALSE(board.opened(8));
    board.hintRead();
    EXPECT_FALSE(board.opening());
}

struct AtOnceCase : NamedCase
{
    int square;
};

struct PyramidAtOnceTest : PyramidBoardTest, ::testing::WithParamInterface<AtOnceCase>
{
};

TEST_P(PyramidAtOnceTest, finishingAtOncePlaysTheSameOpeningAsItsHoldsEndingOneByOne)
{
    host.synchronousCueLength = std::chrono::milliseconds(600);
    const int square = GetParam().square;
    PyramidBoard timed = create(FiveUnderSevenClock, 40);
    host.clearLog();
    startOpening(timed, square);
    while (timed.hold() > std::chrono::milliseconds{0})
        timed.finishHold(view);
    const std::vector<std::string> timedLog = host.log;
    const std::int32_t timedWinnings = state.winnings;
    const auto timedRandom = random.state();

    host.reseeds = 0; // the same shuffle again
    PyramidBoard atOnce = create(FiveUnderSevenClock, 40);
    host.clearLog();
    startOpening(atOnce, square);
    atOnce.finishAtOnce(view);
    EXPECT_EQ(host.log, timedLog);
    EXPECT_EQ(state.winnings, timedWinnings);
    EXPECT_EQ(random.state(), timedRandom);
    EXPECT_EQ(atOnce.hold(), std::chrono::milliseconds{0});
    EXPECT_EQ(atOnce.opening(), atOnce.label(square) == HintLabel); // a hint still waits to be read
}

INSTANTIATE_TEST_SUITE_P(PyramidBoard, PyramidAtOnceTest,
                         ::testing::Values(AtOnceCase{{"tryAgainDuringItsCue"}, 0},
                                           AtOnceCase{{"aMultiplierDuringItsCue"}, 8},
                                           AtOnceCase{{"loseDuringThePauseAfterIt"}, 2},
                                           AtOnceCase{{"aHintDuringItsCue"}, 13}),
                         caseName);

TEST_F(PyramidBoardTest, afterALossAndOnAnOpenSquareClicksDoNothing)
{
    PyramidBoard board = create(FiveUnderSevenClock, 40);
    open(board, 8); // 2X
    host.clearLog();
    open(board, 8);
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(state.winnings, 80);
    open(board, 2);
    host.clearLog();
    open(board, 6);
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(state.winnings, 0);
}

TEST_F(PyramidBoardTest, theCardGameButtonAfterALossOnlyChoosesTheCardGameForLater)
{
    PyramidBoard board = create(FiveUnderSevenClock, 40);
    open(board, 2);
    board.round().switchTo(DoubleOrNothingGame::CardGame);
    EXPECT_FALSE(state.bonusGame);
    EXPECT_FALSE(state.playAgain);
}

TEST_F(PyramidBoardTest, theCardGameButtonWithWinningsPlaysTheCardGameNext)
{
    PyramidBoard board = create(FiveUnderSevenClock, 40);
    board.round().switchTo(DoubleOrNothingGame::CardGame);
    EXPECT_FALSE(state.bonusGame);
    EXPECT_TRUE(state.playAgain);
}

TEST_F(PyramidBoardTest, okAtOnceLeavesWinningsAndTheTallyAlone)
{
    state.doubleOrNothingWon = 7;
    PyramidBoard board = create(FiveUnderSevenClock, 40);
    board.round().keepWinnings();
    board.round().settle();
    EXPECT_EQ(state.winnings, 40);
    EXPECT_EQ(state.doubleOrNothingWon, 7);
}

TEST_F(PyramidBoardTest, aMultiplierOnHugeWinningsStopsAtTheLargestAmountInsteadOfWrapping)
{
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    PyramidBoard board = create(FiveUnderSevenClock, 500'000'000);
    open(board, 6); // 5X
    EXPECT_EQ(state.winnings, largest);
    open(board, 10); // 3X
    EXPECT_EQ(state.winnings, largest);
    board.round().settle();
    EXPECT_EQ(state.doubleOrNothingWon, largest - 500'000'000);
}

TEST(PyramidLabels, onlyTheMultipliersMultiply)
{
    EXPECT_EQ(labelMultiplier("2X"), 2);
    EXPECT_EQ(labelMultiplier("3X"), 3);
    EXPECT_EQ(labelMultiplier("5X"), 5);
    for (std::string_view other : {"Hint", "Try Again", "Lose", ""})
        EXPECT_EQ(labelMultiplier(other), 0) << other;
}

} // namespace
} // namespace zantaro::testing
