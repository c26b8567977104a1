// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/evaluation.h"
#include "game/ini_document.h"
#include "game/reels.h"
#include "game/saved_game_store.h"
#include "support/memory_file_access.h"
#include "support/named_cases.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <limits>

namespace zantaro::testing {
namespace {

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
const std::string Path = "Zantaro.ini";
const CalendarDate Today{2026, 12, 8};

void loadCurrentGame(GameState& state, const std::string& section)
{
    MemoryFileAccess files;
    files.files[Path] = "[CurrentGame]\n" + section;
    SavedGameStore(files, Path).load(state, CurrentGameSlot, Today);
}

// A damaged or hand-edited "CurrentGame" section, and what the next spin request does with it on
// blank wheels.
struct HostileCase : NamedCase
{
    const char* section;
    const char* message; // the refusal, or "" when the spin is played
    std::int32_t credits;
    std::int32_t totalBets;
};

class HostileSavedGame : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(HostileSavedGame, playsOnWithoutWrapping)
{
    LosingGame game;
    loadCurrentGame(game.state, GetParam().section);
    game.spin();
    const auto messages = game.host.linesStartingWith("message ");
    if (*GetParam().message == '\0')
        EXPECT_TRUE(messages.empty()) << messages.front();
    else
        EXPECT_EQ(messages, std::vector<std::string>{std::string("message ") + GetParam().message});
    EXPECT_EQ(game.state.credits, GetParam().credits);
    EXPECT_EQ(game.state.totalBets, GetParam().totalBets);
    EXPECT_FALSE(game.state.spinning);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, HostileSavedGame,
    ::testing::Values(
        HostileCase{{"negativeCreditsRefuseTheBet"},
                    "Credits=-500\n",
                    "You do not have enough credits for that bet,",
                    -500,
                    0},
        HostileCase{{"negativeLinesOfNegativeCoinsAreNoBet"},
                    "LinesPlayed=-3\nCoinsPerLine=-3\n",
                    "You must place a bet first.",
                    1000,
                    0},
        HostileCase{{"nineLinesPlayEight"}, "LinesPlayed=9\n", "", 992, 8},
        HostileCase{{"aHundredCoinsPerLinePlayEight"}, "CoinsPerLine=100\n", "", 936, 64},
        HostileCase{{"theLargestCoinCountPlaysEight"},
                    "Credits=2147483647\nCoinsPerLine=2147483647\n",
                    "",
                    Largest - 64,
                    64},
        HostileCase{{"countersAtTheLimitsStayThere"},
                    "Credits=2147483647\nTotalBets=2147483647\nSpins=2147483647\nLightning=-2147483648\n"
                    "Melons=-2147483648\nBellPool=-2147483648\n",
                    "",
                    Largest - 8,
                    Largest},
        HostileCase{
            {"garbageReadsAsAFreshGame"}, "Credits=lots\nLinesPlayed=\x01\x02\nTotalBets=9e9\n", "", 992, 8}),
    caseName);

TEST(HostileSavedGame, aWinOnABalanceAtTheLimitStopsThere)
{
    BoardGame game(boardWith({{0, Seven}, {1, Seven}, {2, Seven}}));
    loadCurrentGame(game.state, "Credits=2147483647\nBellPool=2147483647\nDouble=0\nPayMode=0\n");
    game.state.lightning = 0; // the bell pool is won as well
    game.play(evaluateSpin(game.context()));
    EXPECT_GT(game.state.winnings, 0);
    EXPECT_EQ(game.state.credits, Largest);
    EXPECT_EQ(game.state.bellPoolWon, Largest);
}

// A settings file bigger than the part a read parses: the game saved into it must read back.
TEST(HostileSavedGame, aGameSavedIntoAnOversizedFileReadsBack)
{
    std::string junk;
    while (junk.size() <= IniDocument::MaxParsedBytes)
        junk += "not a line of ours\n";
    MemoryFileAccess files;
    files.files[Path] = junk;
    SavedGameStore store(files, Path);
    GameState saved = startupGameState();
    saved.credits = 4321;
    store.save(saved, CurrentGameSlot, "CurrentGame", Today);
    store.save(saved, CurrentGameSlot, "CurrentGame", Today);

    GameState loaded = startupGameState();
    store.load(loaded, CurrentGameSlot, Today);
    EXPECT_EQ(loaded.credits, 4321);
    const std::string& text = files.files[Path];
    EXPECT_EQ(text.find("[CurrentGame]"), 0u);
    EXPECT_EQ(text.find("[CurrentGame]", 1), std::string::npos);
    EXPECT_TRUE(text.ends_with(junk));
}

} // namespace
} // namespace zantaro::testing
