// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/paytable.h"
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::TestGame;
using Lines = std::vector<std::string>;

// One tick of the line flash in words: "show k" for a drawn highlight, "clear k" for a cleared
// one, k being the line number 1 to 8.
std::string describeTick(const Lines& log)
{
    std::string words;
    std::vector<int> clearedWheels;
    auto addWord = [&](const std::string& word) { words += (words.empty() ? "" : ", ") + word; };
    for (const std::string& line : log) {
        if (line.rfind("highlight ", 0) == 0)
            addWord("show " + std::to_string(std::stoi(line.substr(10)) + 1));
        if (line.rfind("blank ", 0) == 0)
            clearedWheels.push_back(std::stoi(line.substr(6)));
        if (clearedWheels.size() == 3) {
            for (int k = 0; k < PaylineCount; ++k) {
                if (std::equal(clearedWheels.begin(), clearedWheels.end(), Paylines[k].begin()))
                    addWord("clear " + std::to_string(k + 1));
            }
            clearedWheels.clear();
        }
    }
    return words;
}

struct FlashCase : testing::NamedCase
{
    std::vector<int> payingLines; // 1 to 8
    bool phaseBefore;
    std::vector<std::string> ticks;
};

class LineFlash : public ::testing::TestWithParam<FlashCase>
{
};

TEST_P(LineFlash, blinksEachPayingLineForSixTicksInCyclicOrder)
{
    const FlashCase& c = GetParam();
    TestGame game;
    for (const int line : c.payingLines)
        game.state.linePay[line - 1] = 5;
    game.state.firstWinningLine = c.payingLines.front() - 1;
    game.context().view.highlightTicks = 0;
    game.context().view.highlightPhase = c.phaseBefore;
    std::vector<std::string> ticks;
    for (std::size_t tick = 0; tick < c.ticks.size(); ++tick) {
        game.host.clearLog();
        game.machine.flashWinningLine();
        ticks.push_back(describeTick(game.host.log));
    }
    EXPECT_EQ(ticks, c.ticks);
}

INSTANTIATE_TEST_SUITE_P(
    PayingLines, LineFlash,
    ::testing::Values(
        FlashCase{"threeLinesTakeTurns",
                  {1, 4, 6},
                  false,
                  {"show 1", "clear 1", "show 1", "clear 1", "show 1", "clear 1", "clear 1, show 4",
                   "clear 4", "show 4", "clear 4", "show 4", "clear 4", "clear 4, show 6", "clear 6",
                   "show 6", "clear 6", "show 6", "clear 6", "clear 6, show 1"}},
        FlashCase{"theOrderWrapsFromLineEightToLineTwo",
                  {2, 8},
                  false,
                  {"show 2", "clear 2", "show 2", "clear 2", "show 2", "clear 2", "clear 2, show 8",
                   "clear 8", "show 8", "clear 8", "show 8", "clear 8", "clear 8, show 2"}},
        FlashCase{"oneLineFlashesForEver",
                  {3},
                  false,
                  {"show 3", "clear 3", "show 3", "clear 3", "show 3", "clear 3", "clear 3, show 3",
                   "clear 3", "show 3", "clear 3", "show 3", "clear 3", "clear 3, show 3"}},
        FlashCase{
            "aPhaseLeftOnByTheLastSpinStartsWithAClear",
            {5, 7},
            true,
            {"clear 5", "show 5", "clear 5", "show 5", "clear 5", "show 5", "clear 5, clear 7", "show 7"}}),
    testing::caseName);

TEST(LampBlink, turnsTheLitLampOnAndOffAndRedrawsIt)
{
    TestGame game;
    game.state.bonusLamp = 6;
    game.state.lamps[6] = true;
    game.machine.blinkBonusLamp();
    EXPECT_FALSE(game.state.lamps[6]);
    game.machine.blinkBonusLamp();
    EXPECT_TRUE(game.state.lamps[6]);
    EXPECT_EQ(game.host.log, (Lines{"lamp 6", "lamp 6"}));
}

TEST(SpinTimers, aWinWithTheLineFlashOnKeepsItUntilTheNextSpinStopsBothTimers)
{
    testing::LosingGame game(2);
    testing::showOnWheels(game.state, testing::boardWith({{2, Cherry}}));
    game.spin();
    EXPECT_EQ(game.host.linesStartingWith("timer "),
              (Lines{"timer LineFlash off", "timer LampBlink off", "timer LineFlash on",
                     "timer FreeSpinBlink off", "timer LampBlink on"}));
    EXPECT_EQ(game.state.firstWinningLine, 5);
}

} // namespace
} // namespace zantaro
