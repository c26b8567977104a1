// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bonus_features.h"
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"
#include "ui/texts/recall_text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

using testing::Board;
using testing::BoardGame;
using testing::boardWith;
using testing::clockValueForFinalLamp;
using testing::NothingLamp;

// A spin over a known board whose clock ends it on a known lamp.
struct KnownSpinCase : testing::NamedCase
{
    Board board;
    int lamp;
    std::int32_t lightning;
    std::vector<SpinEvent> events;
};

class KnownSpin : public ::testing::TestWithParam<KnownSpinCase>
{
};

TEST_P(KnownSpin, isRecalledAsTheEvaluationPaidIt)
{
    const KnownSpinCase& c = GetParam();
    BoardGame game(c.board);
    game.state.lightning = c.lightning;
    const std::int64_t clock = clockValueForFinalLamp(c.lamp);
    game.host.nextReseeds = {clock, 0};
    const std::int32_t creditsBefore = game.state.credits;

    game.spin();

    ASSERT_EQ(game.history.recalls().size(), 1u);
    const SpinRecall& recall = game.history.recalls().back();
    EXPECT_EQ(recall.clockValue, clock);
    EXPECT_FALSE(recall.freeSpin);
    EXPECT_EQ(recall.bet, 8);
    EXPECT_EQ(recall.bonusLamp, c.lamp);
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        EXPECT_EQ(recall.symbols[wheel], game.state.shownSymbol(wheel)) << "wheel " << wheel;
    EXPECT_EQ(recall.linePays, game.state.linePay);
    EXPECT_EQ(recall.events, c.events);
    EXPECT_EQ(recall.winnings, game.state.credits - (creditsBefore - 8));
    EXPECT_EQ(recall.creditsAfter, game.state.credits);

    const QStringList lines = recallLines(recall);
    for (int line = 0; line < PaylineCount; ++line) {
        const QString paid = QStringLiteral("Line %1 paid %2.").arg(line + 1).arg(game.state.linePay[line]);
        EXPECT_EQ(lines.count(paid), game.state.linePay[line] > 0 ? 1 : 0) << paid.toStdString();
    }
    EXPECT_EQ(lines.back(),
              QStringLiteral("Won %1, credits after %2.").arg(recall.winnings).arg(recall.creditsAfter));
}

INSTANTIATE_TEST_SUITE_P(Spins, KnownSpin,
                         ::testing::Values(KnownSpinCase{"aLineOfSevensUnderAPlainLamp",
                                                         boardWith({{0, Seven}, {1, Seven}, {2, Seven}}),
                                                         NothingLamp,
                                                         3,
                                                         {}},
                                           KnownSpinCase{"aLineOfSevensUnderTheDoubleLamp",
                                                         boardWith({{0, Seven}, {1, Seven}, {2, Seven}}),
                                                         DoublePayoffLamp,
                                                         3,
                                                         {{SpinEventKind::DoublePayoff, 0}}},
                                           KnownSpinCase{"aBellLineThatEmptiesTheLightningRow",
                                                         boardWith({{3, Bell}, {4, Bell}, {5, Bell}}),
                                                         NothingLamp,
                                                         1,
                                                         {{SpinEventKind::BellLine, 2},
                                                          {SpinEventKind::BellPoolWon, FreshBellPool}}},
                                           KnownSpinCase{"anAutomaticLoserOverALineOfSevens",
                                                         boardWith({{0, Seven}, {1, Seven}, {2, Seven}}),
                                                         AutomaticLoserLamp,
                                                         3,
                                                         {{SpinEventKind::AutomaticLoser, 0}}}),
                         testing::caseName);

TEST(SpinHistory, recallsAFreeSpinSeriesInTheOrderItWasPlayed)
{
    BoardGame game(boardWith({{0, Grape}, {1, Grape}, {2, Grape}}));
    game.needOnlyTheLastGrape();
    const std::int64_t quiet = clockValueForFinalLamp(NothingLamp);
    game.host.nextReseeds = {quiet, 0, quiet, quiet, quiet};
    std::vector<std::int32_t> creditsAtSettle;
    game.host.onRecord = [&](const std::string& line) {
        if (line == "settled")
            creditsAtSettle.push_back(game.state.credits);
    };

    game.spin();

    const auto& recalls = game.history.recalls();
    ASSERT_EQ(recalls.size(), 4u);
    EXPECT_FALSE(recalls[0].freeSpin);
    EXPECT_EQ(recalls[0].events.back(), (SpinEvent{SpinEventKind::FruitRefill, FreeSpinsPerFruitRefill}));
    const auto& chart = game.history.chart();
    ASSERT_EQ(chart.size(), 4u);
    for (std::size_t spin = 0; spin < 4; ++spin) {
        EXPECT_EQ(recalls[spin].freeSpin, spin > 0) << "spin " << spin;
        EXPECT_EQ(recalls[spin].bet, spin == 0 ? 8 : 0) << "spin " << spin;
        EXPECT_EQ(recalls[spin].creditsAfter, creditsAtSettle[spin]) << "spin " << spin;
        EXPECT_EQ(chart[spin], chartPointOf(recalls[spin])) << "spin " << spin;
    }
}

TEST(SpinHistory, recallsADoubleOrNothingRoundWithItsStakeAndResult)
{
    BoardGame game(boardWith({{0, Seven}, {1, Seven}, {2, Seven}}));
    game.state.doubleOn = true;
    game.host.nextReseeds = {clockValueForFinalLamp(NothingLamp), 0};
    game.host.onDoubleOrNothing = [&](DoubleOrNothingGame) { game.state.winnings *= 2; };

    game.spin();

    const SpinRecall& recall = game.history.recalls().back();
    EXPECT_TRUE(recall.doubleOrNothingPlayed);
    EXPECT_EQ(recall.doubleOrNothingStake, recall.linePays[0]);
    EXPECT_EQ(recall.doubleOrNothingResult, 2 * recall.linePays[0]);
    EXPECT_EQ(recall.winnings, recall.doubleOrNothingResult);
    EXPECT_EQ(recallLines(recall).end()[-2], QStringLiteral("Double or nothing: %1 became %2.")
                                                 .arg(recall.linePays[0])
                                                 .arg(2 * recall.linePays[0]));
}

TEST(SpinHistory, keepsTenRecallsAndAThousandChartPoints)
{
    GameHistory history;
    for (std::int32_t spin = 1; spin <= 1005; ++spin)
        history.record(SpinRecall{.creditsAfter = spin});
    ASSERT_EQ(history.recalls().size(), GameHistory::RecallCount);
    ASSERT_EQ(history.chart().size(), GameHistory::ChartLength);
    EXPECT_EQ(history.recalls().front().creditsAfter, 996);
    EXPECT_EQ(history.chart().front().creditsAfter, 6);
    EXPECT_EQ(history.chart().back().creditsAfter, 1005);
}

TEST(SpinHistory, aNewGameStartsAnEmptyHistory)
{
    testing::LosingGame game;
    game.spin();
    ASSERT_EQ(game.history.recalls().size(), 1u);
    game.machine.newGame();
    EXPECT_TRUE(game.history.recalls().empty());
    EXPECT_TRUE(game.history.chart().empty());
}

} // namespace
} // namespace zantaro
