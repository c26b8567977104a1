// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ini_document.h"

#include <gtest/gtest.h>
#include <random>

namespace zantaro {
namespace {

struct IntegerCase
{
    const char* stored;
    std::int32_t expected;
};

class IniIntegerConversion : public ::testing::TestWithParam<IntegerCase>
{
};

TEST_P(IniIntegerConversion, readsTheNumberOrTheDefaultOf1000)
{
    const IniDocument document(std::string("[GameNo1]\nCredits=") + GetParam().stored + "\n");
    EXPECT_EQ(document.integer("GameNo1", "Credits", 1000), GetParam().expected) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniIntegerConversion,
    ::testing::Values(IntegerCase{"0x1F4", 500}, IntegerCase{"12abc", 1000}, IntegerCase{"$1F4", 500},
                      IntegerCase{"x1f4", 500}, IntegerCase{"X1F4", 500}, IntegerCase{"0X1f4", 500},
                      IntegerCase{"-12", -12}, IntegerCase{"+12", 12}, IntegerCase{" 42", 42},
                      IntegerCase{"007", 7}, IntegerCase{"0", 0}, IntegerCase{"-$10", -16},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"2147483648", 1000},
                      IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"-2147483649", 1000},
                      IntegerCase{"0xFFFFFFFF", 1000}, IntegerCase{"99999999999999999999999", 1000},
                      IntegerCase{"", 1000}, IntegerCase{"0x", 1000}, IntegerCase{"$", 1000},
                      IntegerCase{"-", 1000}, IntegerCase{"--5", 1000}, IntegerCase{"+-5", 1000},
                      IntegerCase{"1 2", 1000}, IntegerCase{"1.5", 1000}, IntegerCase{"$-5", 1000}));

TEST(IniDocument, anAbsentIntegerGivesTheDefault)
{
    const IniDocument document("[GameNo1]\nSpins=3\n");
    EXPECT_EQ(document.integer("GameNo1", "Credits", 1000), 1000);
    EXPECT_EQ(document.integer("GameNo2", "Spins", 0), 0);
}

struct FlagCase
{
    const char* file;
    bool expected;
};

class IniFlag : public ::testing::TestWithParam<FlagCase>
{
};

TEST_P(IniFlag, isTrueUnlessItReadsAsZero)
{
    EXPECT_EQ(IniDocument(GetParam().file).flag("GameNo1", "Sound"), GetParam().expected) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniFlag,
    ::testing::Values(FlagCase{"[GameNo1]\nSound=2", true}, FlagCase{"[GameNo1]\nSound=0", false},
                      FlagCase{"[GameNo1]\nSound=yes", true}, FlagCase{"[GameNo1]\nSound=0x0", false},
                      FlagCase{"[GameNo1]\nSound=-1", true}, FlagCase{"[GameNo1]\n", true}));

TEST(IniDocument, flagsAreWrittenAsOneAndZero)
{
    IniDocument document;
    document.setFlag("A", "On", true);
    document.setFlag("A", "Off", false);
    EXPECT_EQ(document.text(), "[A]\nOn=1\nOff=0\n");
}

TEST(IniDocument, namesMatchWithoutRegardToCaseAndSurroundingBlanks)
{
    const IniDocument document("  [ gameno3 ]  \n\tcREDITS  =  some value  \n");
    EXPECT_EQ(document.value("GameNo3", "Credits"), "some value");
}

TEST(IniDocument, theFirstOfDuplicateSectionsAndKeysWins)
{
    const IniDocument document("[A]\nk=first\nk=second\n[a]\nk=third\nj=4\n");
    EXPECT_EQ(document.value("A", "k"), "first");
    EXPECT_EQ(document.value("A", "j"), std::nullopt);
}

TEST(IniDocument, anEmptyValueIsPresentButKeysElsewhereAreNot)
{
    const IniDocument document("k=outside\n[A]\nempty=\n;hidden=1\nodd line\n[B]\nother=1\n");
    EXPECT_EQ(document.value("A", "empty"), "");
    EXPECT_EQ(document.value("A", "k"), std::nullopt);
    EXPECT_EQ(document.value("A", ";hidden"), std::nullopt);
    EXPECT_EQ(document.value("A", "odd line"), std::nullopt);
    EXPECT_EQ(document.value("A", "other"), std::nullopt);
    EXPECT_EQ(document.value("C", "other"), std::nullopt);
}

TEST(IniDocument, aReadKeepsAtMost2047CharactersWithoutSplittingOne)
{
    const IniDocument ascii("[A]\nk=" + std::string(3000, 'a') + "\n");
    EXPECT_EQ(ascii.value("A", "k")->size(), 2047u);

    const IniDocument accented("[A]\nk=" + std::string(2046, 'a') + "\xC3\xA9\xC3\xA9\n");
    EXPECT_EQ(accented.value("A", "k"), std::string(2046, 'a') + "\xC3\xA9");
}

struct WriteCase
{
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(IniWrite, changesOnlyTheLineItWritesOrAdds)
{
    IniDocument document(GetParam().before);
    document.setValue(GetParam().section, GetParam().key, GetParam().value);
    EXPECT_EQ(document.text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"valueReplacedInPlace", "; top\n[A]\nx = 1 ; old\ny=2\n", "a", "X", "7",
                  "; top\n[A]\nx = 7\ny=2\n"},
        WriteCase{"keyAddedAfterLastKeyOfItsSection", "[A]\nx=1\n; about B\n\n[B]\ny=2\n", "A", "z", "3",
                  "[A]\nx=1\nz=3\n; about B\n\n[B]\ny=2\n"},
        WriteCase{"keyAddedUnderAHeaderWithoutKeys", "[A]\n\n[B]\n", "A", "z", "3", "[A]\nz=3\n\n[B]\n"},
        WriteCase{"keyAddedToTheLastSection", "[A]\nx=1\n\n\n", "A", "z", "3", "[A]\nx=1\nz=3\n\n\n"},
        WriteCase{"keyAddedToAFileWithoutFinalLineBreak", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        WriteCase{"sectionAppendedAfterABlankLine", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
        WriteCase{"sectionAppendedWithoutASecondBlankLine", "[A]\nx=1\n\n", "B", "k", "v",
                  "[A]\nx=1\n\n[B]\nk=v\n"},
        WriteCase{"sectionAppendedToAFileWithoutFinalLineBreak", "odd", "B", "k", "v", "odd\n\n[B]\nk=v\n"},
        WriteCase{"sectionStartsAnEmptyFile", "", "B", "k", "v", "[B]\nk=v\n"},
        WriteCase{"crLfKeptForAddedLines", "[A]\r\nx=1\r\n", "B", "k", "v",
                  "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        WriteCase{"crLfKeptForAnAddedKey", "[A]\r\nx=1\r\n[C]\r\n", "A", "k", "v",
                  "[A]\r\nx=1\r\nk=v\r\n[C]\r\n"},
        WriteCase{"emptyValueWritten", "[A]\nx=1\n", "A", "x", "", "[A]\nx=\n"},
        WriteCase{"lineBreaksInAValueBecomeSpaces", "[A]\n", "A", "k", "a\r\nb\n[B]", "[A]\nk=a  b [B]\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniDocument, aNulInAValueBecomesASpace)
{
    IniDocument document;
    document.setValue("A", "k", std::string_view("a\0b", 3));
    EXPECT_EQ(document.text(), "[A]\nk=a b\n");
}

TEST(IniDocument, namesThatWouldBreakTheFileStillFindWhatTheyWrote)
{
    IniDocument document("[A]\nx=1\n");
    document.setValue("A]", "[k=1]", "v");
    document.setValue("A", "x\n[Z]", "2");
    EXPECT_EQ(document.value("A]", "[k=1]"), "v");
    EXPECT_EQ(document.value("A", "x\n[Z]"), "2");
    EXPECT_EQ(document.value("A", "x"), "1");
    EXPECT_EQ(document.value("Z", "x"), std::nullopt);
}

TEST(IniDocument, everyLineItDoesNotWriteStaysByteForByte)
{
    const std::string around =
        "\xEF\xBB\xBF; saved games\r\n\r\n[Other]\r\nkeep = me \t\r\n"
        "no equals sign\r\nlone\rcarriage=return\r\n# hash\r\n[ GameNo1 ]  trailing\r\n";
    const std::string tail = "\r\n[Last]\r\n=\r\n[\r\n]]]\r\n\t\r\n";
    IniDocument document(around + "Credits=5\r\n" + tail);
    EXPECT_EQ(document.text(), around + "Credits=5\r\n" + tail);

    document.setInteger("gameno1", "credits", 700);
    document.setInteger("GameNo1", "Spins", 3);
    EXPECT_EQ(document.text(), around + "Credits=700\r\nSpins=3\r\n" + tail);
    EXPECT_EQ(document.value("Other", "keep"), "me");
}

TEST(IniDocument, garbageBytesSurviveReadsWritesAndARoundTrip)
{
    std::mt19937 random(20240229);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "[]=;#\r\n \tAk";
    for (int round = 0; round < 200; ++round) {
        std::string text(static_cast<std::size_t>(byte(random)) * 8, '\0');
        for (char& c : text) {
            const int draw = byte(random);
            c = draw < 128 ? alphabet[static_cast<std::size_t>(draw) % alphabet.size()]
                           : static_cast<char>(draw);
        }
        IniDocument document(text);
        ASSERT_EQ(document.text(), text);
        document.integer("A", "k", 0);
        document.setValue("A", "k", "v");
        document.setValue("[", "]", "=");
        EXPECT_EQ(document.value("A", "k"), "v");
        EXPECT_EQ(document.value("[", "]"), "=");
    }
}

TEST(IniDocument, textBeyondTheParsedMebibyteIsKeptUnread)
{
    const std::string head = "[A]\nx=1\n";
    const std::string huge = std::string(IniDocument::MaxParsedBytes, 'x') + "\n[B]\ny=2\n";
    IniDocument document(head + huge);
    EXPECT_EQ(document.value("A", "x"), "1");
    EXPECT_EQ(document.value("B", "y"), std::nullopt);

    document.setValue("A", "z", "3");
    document.setValue("C", "k", "v");
    EXPECT_EQ(document.text(), "[A]\nx=1\nz=3\n\n[C]\nk=v\n" + huge);
}

TEST(IniDocument, aHugeLineWithoutBreaksIsKeptWhole)
{
    const std::string huge(IniDocument::MaxParsedBytes + 10, '[');
    IniDocument document(huge);
    document.setValue("C", "k", "v");
    EXPECT_EQ(document.text(), "[C]\nk=v\n" + huge);
}

} // namespace
} // namespace zantaro
