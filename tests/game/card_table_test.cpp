// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the card table, headless: the deal, the hit areas, the cards' effects and the tally.
#include "game/card_table.h"
#include "support/named_cases.h"
#include "support/recording_host.h"
#include "ui/double_or_nothing/game_on_host.h"

#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace zantaro::testing {
namespace {

// Clock values whose deals hold the cards a test needs (checked by each test before it plays).
constexpr std::int64_t TwoSevensClock = 1000; // 7s in slots 5 and 14, the Queen of hearts in slot 1
constexpr std::int64_t FortyHandClock = 1001; // K slot 23, A slot 0, 9 slot 1, joker slot 9, 4 slot 4

// Logs what the table shows into the host's log, so it reads in order with the cues and holds.
class RecordingTableView : public CardTableView
{
public:
    explicit RecordingTableView(RecordingHost& host) : m_host(host) {}
    void drawSlot(int slot) override { m_host.log.push_back("draw " + std::to_string(slot)); }
    void redrawTable() override { m_host.log.push_back("redraw"); }
    void showWinnings() override { m_host.log.push_back("label"); }

private:
    RecordingHost& m_host;
};

struct CardTableTest : ::testing::Test, GameOnHost<RecordingHost>
{
    RecordingTableView view{host};

    CardTable deal(std::int64_t clock, std::int32_t winnings)
    {
        host.clockValue = clock;
        state.winnings = winnings;
        return CardTable(context);
    }

    // Releases the mouse over the middle of a slot's card; a turn that holds the game stays under way.
    void startTurn(CardTable& table, int slot)
    {
        const TablePoint at = cardPosition(slot);
        table.release(at.x + CardWidth / 2, at.y + CardHeight / 2, view);
    }

    // Plays a slot and ends its hold as the window's timer does, noting the hold in the log.
    void turn(CardTable& table, int slot)
    {
        startTurn(table, slot);
        if (!table.turning())
            return;
        host.log.push_back("hold " + std::to_string(table.hold().count()));
        table.finishTurn(view);
    }
};

TEST_F(CardTableTest, dealReseedsThenDraws1612TimesFrom52AndOnceFrom24ForTheJoker)
{
    const CardTable table = deal(54321, 10);

    RandomGenerator expected;
    expected.reseed(54321);
    for (int draw = 0; draw < 31 * 52; ++draw)
        expected.random(52);
    const std::uint32_t jokerSlot = expected.random(24);
    EXPECT_EQ(random.state(), expected.state());
    EXPECT_EQ(table.slot(static_cast<int>(jokerSlot)).cardNumber, JokerCard);
    EXPECT_EQ(host.linesStartingWith("reseed"), std::vector<std::string>{"reseed 54321"});
}

TEST_F(CardTableTest, aFixedClockAlwaysDealsTheSameTable)
{
    const CardTable table = deal(FortyHandClock, 10);
    const std::vector<std::int32_t> expected{0,  47, 26, 40, 29, 34, 31, 9,  35, 52, 43, 28,
                                             22, 5,  24, 6,  3,  18, 46, 36, 48, 10, 30, 51};
    std::vector<std::int32_t> dealt;
    for (int slot = 0; slot < TableSlots; ++slot)
        dealt.push_back(table.slot(slot).cardNumber);
    EXPECT_EQ(dealt, expected);
}

TEST_F(CardTableTest, everyTableHoldsTwentyThreeDifferentCardsAndOneJokerFaceDown)
{
    for (std::int64_t clock : {0, 1, 999, 86'399'999}) {
        const CardTable table = deal(clock, 10);
        std::set<std::int32_t> cards;
        int jokers = 0;
        for (int slot = 0; slot < TableSlots; ++slot) {
            const CardSlot& card = table.slot(slot);
            EXPECT_FALSE(card.faceUp);
            if (card.cardNumber == JokerCard) {
                ++jokers;
                EXPECT_EQ(card.rank, JokerRank);
                continue;
            }
            cards.insert(card.cardNumber);
            EXPECT_EQ(card.rank, card.cardNumber % 13);
            EXPECT_EQ(card.suit, card.cardNumber / 13);
        }
        EXPECT_EQ(jokers, 1) << "clock " << clock;
        EXPECT_EQ(cards.size(), 23u) << "clock " << clock;
    }
}

struct HitCase : NamedCase
{
    int x;
    int y;
    std::optional<int> slot;
};

class HitAreaTest : public ::testing::TestWithParam<HitCase>
{
};

TEST_P(HitAreaTest, findsTheSlotUnderThePoint)
{
    EXPECT_EQ(slotAt(GetParam().x, GetParam().y), GetParam().slot);
}

INSTANTIATE_TEST_SUITE_P(CardTable, HitAreaTest,
                         ::testing::Values(HitCase{{"topLeftPixelOfTheFirstCard"}, 8, 8, 0},
                                           HitCase{{"x81IsTheLastColumnOfTheFirstCard"}, 81, 50, 0},
                                           HitCase{{"x82IsTheGapBetweenColumns"}, 82, 50, std::nullopt},
                                           HitCase{{"x85IsStillTheGap"}, 85, 50, std::nullopt},
                                           HitCase{{"x86StartsTheSecondColumn"}, 86, 50, 1},
                                           HitCase{{"x7IsLeftOfTheTable"}, 7, 50, std::nullopt},
                                           HitCase{{"y106IsTheLastRowOfTheFirstCard"}, 50, 106, 0},
                                           HitCase{{"y107IsTheGapBetweenRows"}, 50, 107, std::nullopt},
                                           HitCase{{"y108StartsTheSecondRow"}, 50, 108, 8},
                                           HitCase{{"bottomRightCorner"}, 627, 306, 23},
                                           HitCase{{"rightOfTheLastColumn"}, 628, 306, std::nullopt},
                                           HitCase{{"belowTheLastRow"}, 627, 307, std::nullopt},
                                           HitCase{{"farOutside"}, 700, 50, std::nullopt}),
                         caseName);

struct EffectCase : NamedCase
{
    std::int32_t rank;
    std::int32_t winningsAfter; // from 100
    SoundCue cue;
};

class RankEffectTest : public ::testing::TestWithParam<EffectCase>
{
};

TEST_P(RankEffectTest, changesWinningsOf100AndPlaysItsCue)
{
    const RankEffect effect = rankEffect(GetParam().rank);
    const std::int32_t after = effect.losesAll ? 0 : 100 * effect.multiplier / effect.divisor;
    EXPECT_EQ(after, GetParam().winningsAfter);
    EXPECT_EQ(effect.cue, GetParam().cue);
    EXPECT_EQ(effect.losesAll, GetParam().winningsAfter == 0);
}

INSTANTIATE_TEST_SUITE_P(CardTable, RankEffectTest,
                         ::testing::Values(EffectCase{{"jokerPaysTenToOne"}, JokerRank, 1000, SoundCue::Paid},
                                           EffectCase{{"acePaysThreeToOne"}, 0, 300, SoundCue::Paid},
                                           EffectCase{{"twoLosesAll"}, 1, 0, SoundCue::Loss},
                                           EffectCase{{"sixLosesAll"}, 5, 0, SoundCue::Loss},
                                           EffectCase{{"sevenLosesHalf"}, 6, 50, SoundCue::Neutral},
                                           EffectCase{{"eightIsAPush"}, 7, 100, SoundCue::Neutral},
                                           EffectCase{{"tenIsAPush"}, 9, 100, SoundCue::Neutral},
                                           EffectCase{{"jackPaysTwoToOne"}, 10, 200, SoundCue::Paid},
                                           EffectCase{{"kingPaysTwoToOne"}, 12, 200, SoundCue::Paid}),
                         caseName);

TEST_F(CardTableTest, fifteenLosesHalfToASevenAndAgainToTheNextSeven)
{
    CardTable table = deal(TwoSevensClock, 15);
    ASSERT_EQ(table.slot(5).rank, 6);
    ASSERT_EQ(table.slot(14).rank, 6);
    host.clearLog();

    turn(table, 5);
    EXPECT_EQ(state.winnings, 7);
    turn(table, 14);
    EXPECT_EQ(state.winnings, 3);
    EXPECT_EQ(host.log, (std::vector<std::string>{"draw 5", "cue Neutral", "label", "draw 14", "cue Neutral",
                                                  "label"}));
}

TEST_F(CardTableTest, fortyGrowsTo2400ThenAFourLosesItAllAndShowsEveryCardAfterTheSecondsPause)
{
    CardTable table = deal(FortyHandClock, 40);
    const std::vector<std::pair<int, std::int32_t>> hand{{23, 80}, {0, 240}, {1, 240}, {9, 2400}, {4, 0}};
    ASSERT_EQ(table.slot(23).rank, 12);
    ASSERT_EQ(table.slot(0).rank, 0);
    ASSERT_EQ(table.slot(1).rank, 8);
    ASSERT_EQ(table.slot(9).rank, JokerRank);
    ASSERT_EQ(table.slot(4).rank, 3);

    for (const auto& [slot, winnings] : hand) {
        host.clearLog();
        turn(table, slot);
        EXPECT_EQ(state.winnings, winnings) << "after slot " << slot;
    }
    EXPECT_EQ(host.log, (std::vector<std::string>{"draw 4", "cue Loss", "hold 1000", "redraw", "label"}));
    EXPECT_TRUE(table.handOver());
    for (int slot = 0; slot < TableSlots; ++slot)
        EXPECT_TRUE(table.slot(slot).faceUp) << "slot " << slot;
}

TEST_F(CardTableTest, winningsAreZeroWhileTheLosingCardsPauseRuns)
{
    CardTable table = deal(FortyHandClock, 40);
    startTurn(table, 4);
    EXPECT_EQ(state.winnings, 0);
    EXPECT_TRUE(table.turning());
    turn(table, 0); // a release meanwhile turns nothing and only shows the winnings
    EXPECT_EQ(host.count("draw 0"), 0);
    table.finishTurn(view);
    EXPECT_FALSE(table.turning());
}

TEST_F(CardTableTest, aSynchronousCueHoldsTheTurnAndTheWinningsShowWhenItEnds)
{
    host.synchronousCueLength = std::chrono::milliseconds(700);
    CardTable table = deal(FortyHandClock, 40);
    host.clearLog();
    startTurn(table, 0); // Ace
    EXPECT_TRUE(table.turning());
    EXPECT_EQ(table.hold(), std::chrono::milliseconds(700));
    EXPECT_EQ(state.winnings, 120);
    EXPECT_EQ(host.log, (std::vector<std::string>{"draw 0", "cue Paid"}));
    startTurn(table, 1);
    EXPECT_FALSE(table.slot(1).faceUp);
    table.finishTurn(view);
    EXPECT_FALSE(table.turning());
    EXPECT_EQ(host.log, (std::vector<std::string>{"draw 0", "cue Paid", "label", "label"}));
}

TEST_F(CardTableTest, withSoundOffALosingCardStillHoldsTheGameForTheSecondsPause)
{
    state.sound = false;
    CardTable table = deal(FortyHandClock, 40);
    startTurn(table, 4);
    EXPECT_EQ(table.hold(), std::chrono::milliseconds(1000));
}

TEST_F(CardTableTest, aTurnedCardOrAHandOverTurnsNothingButStillShowsTheWinnings)
{
    CardTable table = deal(FortyHandClock, 40);
    turn(table, 0);
    host.clearLog();
    turn(table, 0);
    EXPECT_EQ(state.winnings, 120);
    EXPECT_EQ(host.log, std::vector<std::string>{"label"});

    turn(table, 4);
    host.clearLog();
    turn(table, 9);
    EXPECT_EQ(state.winnings, 0);
    EXPECT_EQ(host.log, std::vector<std::string>{"label"});
}

TEST_F(CardTableTest, aReleaseBetweenTheCardsDoesNothing)
{
    CardTable table = deal(FortyHandClock, 40);
    host.clearLog();
    table.release(82, 50, view);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(CardTableTest, withSoundOffNoCuePlays)
{
    state.sound = false;
    CardTable table = deal(FortyHandClock, 40);
    turn(table, 0);
    turn(table, 4);
    EXPECT_TRUE(host.linesStartingWith("cue").empty());
}

TEST_F(CardTableTest, keepingAt300FromAStakeOf100CountsTwoHundredAsWon)
{
    state.doubleOrNothingWon = 50;
    CardTable table = deal(FortyHandClock, 100);
    EXPECT_FALSE(state.playAgain);
    turn(table, 0); // Ace
    table.round().keepWinnings();
    table.round().settle();
    table.round().settle(); // closing counts once
    EXPECT_EQ(state.winnings, 300);
    EXPECT_EQ(state.doubleOrNothingWon, 250);
    EXPECT_FALSE(state.playAgain);
}

TEST_F(CardTableTest, losingTheHandCountsTheStakeAsLost)
{
    CardTable table = deal(FortyHandClock, 100);
    turn(table, 4);
    table.round().settle();
    EXPECT_EQ(state.doubleOrNothingWon, -100);
}

TEST_F(CardTableTest, switchingToThePyramidWithWinningsPlaysItNext)
{
    state.bonusGame = false;
    CardTable table = deal(FortyHandClock, 40);
    table.round().switchTo(DoubleOrNothingGame::Pyramid);
    EXPECT_TRUE(state.bonusGame);
    EXPECT_TRUE(state.playAgain);
}

TEST_F(CardTableTest, switchingToThePyramidAfterALossOnlyChoosesItForLater)
{
    state.bonusGame = false;
    CardTable table = deal(FortyHandClock, 40);
    turn(table, 4);
    table.round().switchTo(DoubleOrNothingGame::Pyramid);
    EXPECT_TRUE(state.bonusGame);
    EXPECT_FALSE(state.playAgain);
}

TEST_F(CardTableTest, aJokerOnHugeWinningsStopsAtTheLargestAmountInsteadOfWrapping)
{
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    state.doubleOrNothingWon = largest - 5;
    CardTable table = deal(FortyHandClock, 1'000'000'000);
    turn(table, 9); // joker
    EXPECT_EQ(state.winnings, largest);
    turn(table, 0); // an Ace on the largest amount keeps it
    EXPECT_EQ(state.winnings, largest);
    table.round().settle();
    EXPECT_EQ(state.doubleOrNothingWon, largest);
}

} // namespace
} // namespace zantaro::testing
