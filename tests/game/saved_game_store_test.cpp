// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/saved_game_store.h"
#include "support/memory_file_access.h"
#include "support/windows_files.h"

#include <gtest/gtest.h>
#include <vector>

namespace zantaro {
namespace {

const std::string Path = "/home/player/.local/share/Zantaro/Zantaro.ini";
const CalendarDate Today{2024, 3, 7};

// The 25 stored game values in the order of the file's keys.
std::vector<std::int64_t> storedValues(const GameState& s)
{
    return {s.credits,
            s.borrowed,
            s.melons,
            s.apples,
            s.grapes,
            s.lightning,
            s.bellPool,
            s.spins,
            s.linesPlayed,
            s.coinsPerLine,
            s.bellPoolWon,
            s.cherryRollsWon,
            s.doubleOrNothingWon,
            s.barRollWon,
            s.numberOfCherryRolls,
            s.numberOfBarRolls,
            s.gotBonusCount,
            s.sevensWon,
            s.fruitWon,
            s.totalBets,
            s.sound,
            s.doubleOn,
            s.payMode,
            s.autoSave,
            s.bonusGame};
}

const std::vector<std::int64_t> FreshGame{1000, 1000, 1, 2, 3, 3, 100, 0, 8, 1, 0, 0, 0,
                                          0,    0,    0, 0, 0, 0, 0,   1, 1, 1, 1, 1};

// A game whose every stored value differs from a fresh game's, extremes included.
GameState playedGame()
{
    GameState s;
    s.credits = -2147483647 - 1;
    s.borrowed = 2147483647;
    s.melons = -1;
    s.apples = 0;
    s.grapes = 7;
    s.lightning = 11;
    s.bellPool = 1234;
    s.spins = 25;
    s.linesPlayed = 0;
    s.coinsPerLine = 7;
    s.bellPoolWon = 300;
    s.cherryRollsWon = 12;
    s.doubleOrNothingWon = -450;
    s.barRollWon = 77;
    s.numberOfCherryRolls = 13;
    s.numberOfBarRolls = 14;
    s.gotBonusCount = 15;
    s.sevensWon = 16;
    s.fruitWon = 17;
    s.totalBets = 5000;
    s.sound = false;
    s.doubleOn = false;
    s.payMode = false;
    s.autoSave = false;
    s.bonusGame = false;
    return s;
}

class SavedGameStoreTest : public ::testing::Test
{
protected:
    testing::MemoryFileAccess files;
    SavedGameStore store{files, Path};
};

TEST_F(SavedGameStoreTest, slotsAreNamedGameNo1ToGameNo8AndCurrentGame)
{
    EXPECT_EQ(SavedGameStore::sectionName(0), "GameNo1");
    EXPECT_EQ(SavedGameStore::sectionName(7), "GameNo8");
    EXPECT_EQ(SavedGameStore::sectionName(CurrentGameSlot), "CurrentGame");
}

TEST_F(SavedGameStoreTest, aSlotNeverWrittenReadsAsAFreshGameNamedAfterItsSection)
{
    files.files[Path] = "[GameNo1]\nCredits=5\n[GameNo2]\nCredits=6\n";
    GameState state = playedGame();
    store.load(state, 2, Today);
    EXPECT_EQ(storedValues(state), FreshGame);
    EXPECT_EQ(state.gameName, "GameNo3");
    EXPECT_EQ(state.gameDate, "03/07/24");
    EXPECT_EQ(files.reads, 1);
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(SavedGameStoreTest, aMissingFileReadsAsAFreshGame)
{
    GameState state = playedGame();
    store.load(state, CurrentGameSlot, Today);
    EXPECT_EQ(storedValues(state), FreshGame);
    EXPECT_EQ(state.gameName, "CurrentGame");
}

TEST_F(SavedGameStoreTest, aSaveIntoAnEmptyFileWritesTheKeysInTheirOrder)
{
    GameState state = playedGame();
    store.save(state, 0, "My game", Today);
    EXPECT_EQ(files.files[Path],
              "[GameNo1]\nGameName=My game\nGameDate=03/07/24\nCredits=-2147483648\n"
              "Borrowed=2147483647\nMelons=-1\nApples=0\nGrapes=7\nLightning=11\nBellPool=1234\n"
              "Spins=25\nLinesPlayed=0\nCoinsPerLine=7\nBellPoolWon=300\nCherryRollsWon=12\n"
              "DoubleOrNothingWon=-450\nBarRollWon=77\nNumberOfCherryRolls=13\n"
              "NumberOfBarRolls=14\nGotBonusCount=15\nSevensWon=16\nFruitWon=17\n"
              "TotalBets=5000\nSound=0\nDouble=0\nPayMode=0\nAutoSave=0\nBonusGame=0\n");
    EXPECT_EQ(files.reads, 1);
    EXPECT_EQ(files.replaces, 1);
}

TEST_F(SavedGameStoreTest, theCurrentGameRoundTripRestoresAllTwentyFiveValues)
{
    GameState saved = playedGame();
    store.save(saved, CurrentGameSlot, "CurrentGame", Today);
    GameState loaded;
    store.load(loaded, CurrentGameSlot, Today.addDays(5));
    EXPECT_EQ(storedValues(loaded), storedValues(saved));
    EXPECT_EQ(loaded.gameName, "CurrentGame");
    EXPECT_EQ(loaded.gameDate, "03/07/24");
}

TEST_F(SavedGameStoreTest, aLongNameIsWrittenWholeAndReadBackCutToThirtyCharacters)
{
    const std::string name = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    GameState state;
    store.save(state, 4, name, Today);
    EXPECT_NE(files.files[Path].find("GameName=" + name + "\n"), std::string::npos);
    store.load(state, 4, Today);
    EXPECT_EQ(state.gameName, name.substr(0, 30));
}

TEST_F(SavedGameStoreTest, nameAndDateAreCutByCharactersNotBytes)
{
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\xA9";
    files.files[Path] = "[GameNo1]\nGameName=" + accented +
                        "\nGameDate=\xE2\x82\xAC"
                        "2024-03-07-extra\n";
    GameState state;
    store.load(state, 0, Today);
    EXPECT_EQ(state.gameName, accented.substr(0, 60));
    EXPECT_EQ(state.gameDate, "\xE2\x82\xAC"
                              "2024-03-0");
}

// A game as the Windows program left it, in the forms a player may bring over: its code page in
// CRLF lines, quoted values, lone CRs, and Notepad's "Unicode". Each opens with the values Windows
// shows, and saving into the slot keeps the name, in the form the file came in.
TEST_F(SavedGameStoreTest, aGameFromWindowsOpensAsWindowsShowsItAndSavesInItsForm)
{
    struct Case
    {
        std::string file;
        std::string savedName;
    };
    const std::string name = "Partie \u00E9t\u00E9";
    for (const Case& c :
         {Case{"[GameNo1]\r\nGameName=Partie \xE9t\xE9\r\nCredits=500\r\nSound=0\r\nBellPool=42\r\n",
               "\r\nGameName=Partie \xE9t\xE9\r\n"},
          Case{"[GameNo1]\r\nGameName=\"Partie \xE9t\xE9\"\r\nCredits=\"500\"\r\nSound='0'\r\nBellPool=\" "
               "42\"\r\n",
               "\r\nGameName=Partie \xE9t\xE9\r\n"},
          Case{"[GameNo1]\rGameName=Partie \xE9t\xE9\rCredits=500\rSound=0\rBellPool=42\r",
               "\rGameName=Partie \xE9t\xE9\r"},
          Case{
              testing::utf16LeFile(
                  u"[GameNo1]\r\nGameName=Partie \u00E9t\u00E9\r\nCredits=500\r\nSound=0\r\nBellPool=42\r\n"),
              testing::utf16LeFile(u"\r\nGameName=Partie \u00E9t\u00E9\r\n").substr(2)}}) {
        SCOPED_TRACE(c.file);
        files.files[Path] = c.file;
        GameState state;
        store.load(state, 0, Today);
        EXPECT_EQ(state.gameName, name);
        EXPECT_EQ(state.credits, 500);
        EXPECT_FALSE(state.sound);
        EXPECT_EQ(state.bellPool, 42);

        store.save(state, 0, state.gameName, Today);
        EXPECT_NE(files.files[Path].find(c.savedName), std::string::npos);
        GameState reread;
        store.load(reread, 0, Today);
        EXPECT_EQ(reread.gameName, name);
        EXPECT_EQ(reread.credits, 500);
    }
}

TEST_F(SavedGameStoreTest, anEmptyNameReadsBackEmpty)
{
    GameState state;
    store.save(state, 1, "", Today);
    EXPECT_NE(files.files[Path].find("GameName=\n"), std::string::npos);
    state.gameName = "something";
    store.load(state, 1, Today);
    EXPECT_EQ(state.gameName, "");
}

TEST_F(SavedGameStoreTest, valuesAreTakenAsStoredOrAsTheirDefaultWhenNoNumber)
{
    files.files[Path] = "[GameNo1]\nCredits=0x1F4\nBorrowed=12abc\nCoinsPerLine=7\nLinesPlayed=0\nSpins=-5\n"
                        "Sound=2\nDouble=0\nPayMode=yes\n";
    GameState state;
    store.load(state, 0, Today);
    EXPECT_EQ(state.credits, 500);
    EXPECT_EQ(state.borrowed, 1000);
    EXPECT_EQ(state.coinsPerLine, 7);
    EXPECT_EQ(state.linesPlayed, 0);
    EXPECT_EQ(state.spins, -5);
    EXPECT_TRUE(state.sound);
    EXPECT_FALSE(state.doubleOn);
    EXPECT_TRUE(state.payMode);
}

TEST_F(SavedGameStoreTest, aFailedWriteThrowsAndLeavesTheOldFileWhole)
{
    const std::string before = "[CurrentGame]\nGameName=CurrentGame\nCredits=42\n";
    files.files[Path] = before;
    files.refuseWrites = true;
    GameState state = playedGame();
    try {
        store.save(state, CurrentGameSlot, "CurrentGame", Today);
        FAIL() << "no error";
    } catch (const SaveFileError& error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + Path).c_str());
    }
    EXPECT_EQ(files.files[Path], before);
}

// A hand-edited bet is brought into the 0 to 8 that the adjusters reach, so the counters, the
// charge and the evaluated lines always agree.
TEST_F(SavedGameStoreTest, aLoadedBetIsBroughtIntoWhatTheAdjustersReach)
{
    struct Case
    {
        const char* stored;
        std::int32_t lines;
        std::int32_t coins;
    };
    for (const Case& c :
         {Case{"LinesPlayed=42\nCoinsPerLine=-3\n", 8, 0}, Case{"LinesPlayed=9\nCoinsPerLine=100\n", 8, 8},
          Case{"LinesPlayed=-1\nCoinsPerLine=2147483647\n", 0, 8},
          Case{"LinesPlayed=3\nCoinsPerLine=5\n", 3, 5}}) {
        SCOPED_TRACE(c.stored);
        files.files[Path] = std::string("[CurrentGame]\n") + c.stored;
        GameState state;
        store.load(state, CurrentGameSlot, Today);
        EXPECT_EQ(state.linesPlayed, c.lines);
        EXPECT_EQ(state.coinsPerLine, c.coins);
    }
}

TEST_F(SavedGameStoreTest, aSaveLeavesOtherSectionsKeysAndCommentsAlone)
{
    files.files[Path] =
        "; my games\r\n[GameNo1]\r\nCredits=5\r\n\r\n[gameno3]\r\ncredits = 1\r\nExtra=keep\r\n"
        "\r\n[Other]\r\nx=y\r\n";
    GameState state = playedGame();
    store.save(state, 2, "Mine", Today);
    EXPECT_EQ(
        files.files[Path],
        "; my games\r\n[GameNo1]\r\nCredits=5\r\n\r\n[gameno3]\r\ncredits = -2147483648\r\nExtra=keep\r\n"
        "GameName=Mine\r\nGameDate=03/07/24\r\nBorrowed=2147483647\r\nMelons=-1\r\nApples=0\r\nGrapes=7\r\n"
        "Lightning=11\r\nBellPool=1234\r\nSpins=25\r\nLinesPlayed=0\r\nCoinsPerLine=7\r\nBellPoolWon=300\r\n"
        "CherryRollsWon=12\r\nDoubleOrNothingWon=-450\r\nBarRollWon=77\r\nNumberOfCherryRolls=13\r\n"
        "NumberOfBarRolls=14\r\nGotBonusCount=15\r\nSevensWon=16\r\nFruitWon=17\r\nTotalBets=5000\r\n"
        "Sound=0\r\nDouble=0\r\nPayMode=0\r\nAutoSave=0\r\nBonusGame=0\r\n\r\n[Other]\r\nx=y\r\n");
}

} // namespace
} // namespace zantaro
