// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::TestGame;
using Lines = std::vector<std::string>;

enum class Change
{
    AddLine,
    AddCoin,
    RemoveLine,
    RemoveCoin
};

struct BetChangeCase : testing::NamedCase
{
    Change change;
    std::int32_t lines, coins, credits;
    bool spinning;
    std::int32_t linesAfter, coinsAfter;
    Lines log;
};

void apply(Machine& machine, Change change)
{
    switch (change) {
    case Change::AddLine:
        machine.addLine();
        break;
    case Change::AddCoin:
        machine.addCoin();
        break;
    case Change::RemoveLine:
        machine.removeLine();
        break;
    case Change::RemoveCoin:
        machine.removeCoin();
        break;
    }
}

class BetChange : public ::testing::TestWithParam<BetChangeCase>
{
};

TEST_P(BetChange, isAcceptedWithinItsLimitsAndRefusedOtherwise)
{
    const BetChangeCase& c = GetParam();
    TestGame game;
    game.state.linesPlayed = c.lines;
    game.state.coinsPerLine = c.coins;
    game.state.credits = c.credits;
    game.state.spinning = c.spinning;
    std::pair<std::int32_t, std::int32_t> betAtClick{-1, -1};
    game.host.onRecord = [&](const std::string& line) {
        if (line == "cue Click")
            betAtClick = {game.state.linesPlayed, game.state.coinsPerLine};
    };
    apply(game.machine, c.change);

    EXPECT_EQ(game.host.log, c.log);
    EXPECT_EQ(game.state.linesPlayed, c.linesAfter);
    EXPECT_EQ(game.state.coinsPerLine, c.coinsAfter);
    EXPECT_EQ(game.state.credits, c.credits);
    if (c.log.front() == "cue Click") {
        EXPECT_EQ(betAtClick, std::make_pair(c.lines, c.coins)) << "the click comes before the change";
    }
}

const Lines Refused{"cue Neutral"};
const Lines LinesChanged{"cue Click", "linesPlayed", "coinsPlayed"};
const Lines CoinAdded{"cue Click", "coinsPerLine", "coinsPlayed"};
const Lines CoinRemoved{"cue Click", "coinsPlayed", "coinsPerLine"};

INSTANTIATE_TEST_SUITE_P(
    Limits, BetChange,
    ::testing::Values(
        BetChangeCase{"addLineWhenTheNewBetIsCovered", Change::AddLine, 5, 3, 18, false, 6, 3, LinesChanged},
        BetChangeCase{"addLineRefusedWhenTheNewBetIsNotCovered", Change::AddLine, 5, 3, 17, false, 5, 3,
                      Refused},
        BetChangeCase{"addLineRefusedAtEightLines", Change::AddLine, 8, 1, 10, false, 8, 1, Refused},
        BetChangeCase{"addLineWithNoCoinsEvenWithoutCredits", Change::AddLine, 2, 0, 0, false, 3, 0,
                      LinesChanged},
        BetChangeCase{"addCoinWhenTheNewBetIsCovered", Change::AddCoin, 5, 3, 20, false, 5, 4, CoinAdded},
        BetChangeCase{"addCoinRefusedWhenTheNewBetIsNotCovered", Change::AddCoin, 8, 1, 10, false, 8, 1,
                      Refused},
        BetChangeCase{"addCoinRefusedAtEightCoins", Change::AddCoin, 1, 8, 1000, false, 1, 8, Refused},
        BetChangeCase{"removeLineDownToNone", Change::RemoveLine, 1, 3, 0, false, 0, 3, LinesChanged},
        BetChangeCase{"removeLineRefusedAtNone", Change::RemoveLine, 0, 3, 100, false, 0, 3, Refused},
        BetChangeCase{"removeCoinEvenWithoutCredits", Change::RemoveCoin, 4, 2, 0, false, 4, 1, CoinRemoved},
        BetChangeCase{"removeCoinRefusedAtNone", Change::RemoveCoin, 4, 0, 100, false, 4, 0, Refused},
        BetChangeCase{"addLineRefusedWhileSpinning", Change::AddLine, 5, 3, 1000, true, 5, 3, Refused},
        BetChangeCase{"addCoinRefusedWhileSpinning", Change::AddCoin, 5, 3, 1000, true, 5, 3, Refused},
        BetChangeCase{"removeLineRefusedWhileSpinning", Change::RemoveLine, 5, 3, 1000, true, 5, 3, Refused},
        BetChangeCase{"removeCoinRefusedWhileSpinning", Change::RemoveCoin, 5, 3, 1000, true, 5, 3, Refused}),
    testing::caseName);

TEST(BetChangeSound, offChangesTheBetWithoutACue)
{
    TestGame game;
    game.state.sound = false;
    game.machine.removeLine();
    game.machine.addLine();
    game.machine.addLine();
    EXPECT_EQ(game.state.linesPlayed, 8);
    EXPECT_EQ(game.host.log, (Lines{"linesPlayed", "coinsPlayed", "linesPlayed", "coinsPlayed"}));
}

TEST(BetChangeDuringASpin, isRefusedWithTheNeutralCue)
{
    testing::LosingGame game;
    game.host.onWait = [&] {
        if (game.host.tick == std::chrono::milliseconds(500))
            game.machine.addCoin();
    };
    game.spin();
    EXPECT_EQ(game.state.coinsPerLine, 1);
    EXPECT_EQ(game.host.count("cue Neutral"), 1);
}

} // namespace
} // namespace zantaro
