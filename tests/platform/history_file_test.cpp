// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomic_file_access.h"
#include "platform/history_file.h"
#include "support/named_cases.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

// A history with every kind of entry: a regular spin with a bell-pool win, a doubled one and a
// free spin, over a chart longer than its recalls.
GameHistory sampleHistory()
{
    GameHistory history;
    for (std::int32_t spin = 0; spin < 20; ++spin)
        history.addPoint({1000 - spin, 8, spin == 3, spin > 15});
    history.record({.clockValue = 36'000'000,
                    .linesPlayed = 8,
                    .coinsPerLine = 1,
                    .bet = 8,
                    .bonusLamp = 1,
                    .symbols = {3, 3, 3, 10, 11, 10, 0, 7, 2},
                    .linePays = {16, 0, 0, 0, 0, 0, 0, 0},
                    .events = {{SpinEventKind::BellLine, 1}, {SpinEventKind::BellPoolWon, 100}},
                    .winnings = 116,
                    .creditsAfter = 1108});
    history.record({.clockValue = 36'000'123,
                    .freeSpin = true,
                    .linesPlayed = 8,
                    .coinsPerLine = 1,
                    .bonusLamp = 2,
                    .symbols = {1, 1, 1, 10, 11, 10, 0, 7, 2},
                    .linePays = {100, 0, 0, 0, 0, 0, 0, 0},
                    .events = {{SpinEventKind::DoublePayoff, 0}},
                    .doubleOrNothingPlayed = true,
                    .doubleOrNothingStake = 100,
                    .doubleOrNothingResult = 0,
                    .creditsAfter = 1108});
    return history;
}

class HistoryFileTest : public ::testing::Test
{
protected:
    void writeRaw(const std::string& text) { ASSERT_TRUE(m_files.replace(file.path().toStdString(), text)); }

    QTemporaryDir m_directory;
    AtomicFileAccess m_files;
    QString m_path = m_directory.filePath(QLatin1String(HistoryFileName));
    HistoryFile file{m_files, m_path};
};

TEST_F(HistoryFileTest, aWrittenHistoryIsReadBackWholeByTheNextRun)
{
    file.store(sampleHistory());
    ASSERT_TRUE(file.waitForStores());
    HistoryFile nextRun(m_files, m_path);
    EXPECT_EQ(nextRun.read(), sampleHistory());
}

TEST_F(HistoryFileTest, aMissingFileGivesAnEmptyHistory)
{
    EXPECT_EQ(file.read(), GameHistory{});
}

struct DamagedCase : testing::NamedCase
{
    std::string text;
};

class DamagedHistoryFile : public HistoryFileTest, public ::testing::WithParamInterface<DamagedCase>
{
};

TEST_P(DamagedHistoryFile, givesAnEmptyHistory)
{
    writeRaw(GetParam().text);
    ::testing::internal::CaptureStderr();
    const GameHistory history = file.read();
    const std::string note = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(history, GameHistory{});
    EXPECT_NE(note.find("History.json is damaged"), std::string::npos) << note;
}

// A valid file with one value replaced, so each case breaks exactly one rule.
std::string withRecall(const std::string& field, const std::string& value)
{
    std::string text =
        R"({"version":1,"chart":[[1000,8,0]],"recalls":[{"clock":5,"free":false,"lines":8,)"
        R"("coins":1,"bet":8,"lamp":1,"symbols":[1,1,1,2,2,2,3,3,3],"linePays":[0,0,0,0,0,0,0,0],)"
        R"("events":[],"winnings":0,"creditsAfter":992}]})";
    const std::size_t at = text.find("\"" + field + "\":");
    const std::size_t start = at + field.size() + 3;
    std::size_t end = start;
    for (int depth = 0; depth > 0 || (text[end] != ',' && text[end] != '}'); ++end)
        depth += text[end] == '[' ? 1 : text[end] == ']' ? -1 : 0;
    return text.replace(start, end - start, value);
}

TEST_F(HistoryFileTest, theFileTheDamagedCasesStartFromIsWhole)
{
    writeRaw(withRecall("lamp", "1"));
    EXPECT_EQ(file.read().recalls().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedHistoryFile,
    ::testing::Values(DamagedCase{"notJson", "{\"version\":1,"}, DamagedCase{"anArrayAtTheTop", "[1,2,3]"},
                      DamagedCase{"anotherVersion", R"({"version":2,"recalls":[],"chart":[]})"},
                      DamagedCase{"binaryNoise", std::string("\x00\xff\xfe{\x01", 5)},
                      DamagedCase{"aSymbolOffTheSheet", withRecall("symbols", "[1,1,1,2,2,2,3,3,12]")},
                      DamagedCase{"eightSymbols", withRecall("symbols", "[1,1,1,2,2,2,3,3]")},
                      DamagedCase{"aNegativePay", withRecall("linePays", "[0,0,0,-5,0,0,0,0]")},
                      DamagedCase{"aLampPastTheEighth", withRecall("lamp", "8")},
                      DamagedCase{"aFractionalBet", withRecall("bet", "8.5")},
                      DamagedCase{"creditsBeyond32Bits", withRecall("creditsAfter", "1e300")},
                      DamagedCase{"anUnknownEvent", withRecall("events", "[[9,0]]")},
                      DamagedCase{"aClockPastMidnight", withRecall("clock", "86400000")},
                      DamagedCase{"aTextForANumber", withRecall("winnings", "\"lots\"")},
                      DamagedCase{"elevenRecalls",
                                  R"({"version":1,"chart":[],"recalls":[1,1,1,1,1,1,1,1,1,1,1]})"}),
    testing::caseName);

} // namespace
} // namespace zantaro
