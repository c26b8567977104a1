// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ini_document.h"
#include "support/windows_files.h"

#include <gtest/gtest.h>
#include <random>

namespace zantaro {
namespace {

using namespace std::string_literals;
using testing::utf16LeFile;

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
                      IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"$80000000", -2147483647 - 1},
                      IntegerCase{"-$FFFFFFFF", 1}, IntegerCase{"$100000000", 1000},
                      IntegerCase{"\"500\"", 500}, IntegerCase{"\" 42\"", 42},
                      IntegerCase{"99999999999999999999999", 1000}, IntegerCase{"", 1000},
                      IntegerCase{"0x", 1000}, IntegerCase{"$", 1000}, IntegerCase{"-", 1000},
                      IntegerCase{"--5", 1000}, IntegerCase{"+-5", 1000}, IntegerCase{"1 2", 1000},
                      IntegerCase{"1.5", 1000}, IntegerCase{"$-5", 1000}));

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
                      FlagCase{"[GameNo1]\nSound=-1", true}, FlagCase{"[GameNo1]\nSound=\"0\"", false},
                      FlagCase{"[GameNo1]\n", true}));

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

// What a read gives, case by case as Windows's profile functions read the file (text as UTF-8).
// The few where the game keeps more than Windows say what Windows gives instead.
struct ReadCase
{
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(IniRead, findsWhatWindowsFinds)
{
    EXPECT_EQ(IniDocument(GetParam().file).value(GetParam().section, GetParam().key), GetParam().expected);
}

const std::string WindowsUnicodeFile =
    utf16LeFile(u"[GameNo1]\r\nGameName=Partie \u00E9t\u00E9\r\nCredits=500\r\n"
                u"[GameNo2]\r\nGameName=\u0160ev\u010D\u00EDk\r\n");
const std::string CrOnlyFile = "[GameNo1]\rCredits=500\rSpins=3\r[GameNo2]\rCredits=7\r";
const std::string MixedBreaksFile = "[GameNo1]\r\nCredits=500\rSpins=3\n[GameNo2]\rCredits=7\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(
        ReadCase{"aCp1252Name", "[GameNo1]\r\nGameName=Partie \xE9t\xE9\r\n", "GameNo1", "GameName",
                 "Partie \u00E9t\u00E9"},
        ReadCase{"everyCp1252ByteIsACharacter", "[A]\r\nk=\x80\x81\x9F\r\n", "A", "k", "\u20AC\u0081\u0178"},
        ReadCase{"utf8TextStaysUtf8", "[A]\r\nk=\xC3\xA9t\xC3\xA9\r\n", "A", "k",
                 "\u00E9t\u00E9"}, // Windows: Ã©tÃ©
        ReadCase{"anOverlongUtf8SequenceIsCp1252", "[A]\r\nk=\xC0\x80\r\n", "A", "k", "\u00C0\u20AC"},
        ReadCase{"aSurrogateInUtf8IsCp1252", "[A]\r\nk=\xED\xA0\x80\r\n", "A", "k", "\u00ED\u00A0\u20AC"},
        ReadCase{"aMarkedUtf8FileFindsItsFirstSection", "\xEF\xBB\xBF[A]\r\nk=\xC3\xA9\r\n", "A", "k",
                 "\u00E9"},
        ReadCase{"cp1252InAMarkedUtf8File", "\xEF\xBB\xBF[A]\r\nk=\xE9t\xE9\r\n", "A", "k",
                 "\u00E9t\u00E9"}, // Windows: ?t?
        ReadCase{"doubleQuotesComeOff", "[A]\r\nk=\"Lucky 7\"\r\n", "A", "k", "Lucky 7"},
        ReadCase{"singleQuotesComeOff", "[A]\r\nk='Lucky 7'\r\n", "A", "k", "Lucky 7"},
        ReadCase{"unmatchedQuotesStay", "[A]\r\nk=\"Lucky 7'\r\n", "A", "k", "\"Lucky 7'"},
        ReadCase{"aLoneQuoteStays", "[A]\r\nk=\"\r\n", "A", "k", "\""},
        ReadCase{"emptyQuotesReadEmpty", "[A]\r\nk=\"\"\r\n", "A", "k", ""},
        ReadCase{"onlyTheOuterPairComesOff", "[A]\r\nk=\"a\"b\"\r\n", "A", "k", "a\"b"},
        ReadCase{"blanksOutsideQuotesGoAndInsideStay", "[A]\r\nk=  \" 42 \"  \r\n", "A", "k", " 42 "},
        ReadCase{"quotesNotAtBothEndsStay", "[A]\r\nk=\"x\" ;c\r\n", "A", "k", "\"x\" ;c"},
        ReadCase{"aLoneCrEndsALine", CrOnlyFile, "GameNo1", "Spins", "3"},
        ReadCase{"aSectionAfterLoneCrs", CrOnlyFile, "GameNo2", "Credits", "7"},
        ReadCase{"mixedLineBreaks", MixedBreaksFile, "GameNo1", "Spins", "3"},
        ReadCase{"mixedLineBreaksSection", MixedBreaksFile, "GameNo2", "Credits", "7"},
        ReadCase{"aUtf16LeName", WindowsUnicodeFile, "GameNo1", "GameName", "Partie \u00E9t\u00E9"},
        ReadCase{"aUtf16LeNumber", WindowsUnicodeFile, "GameNo1", "Credits", "500"},
        ReadCase{"aUtf16LeNameOutsideTheCodePage", WindowsUnicodeFile, "GameNo2", "GameName",
                 "\u0160ev\u010D\u00EDk"}, // Windows (code-page text): Ševcík
        ReadCase{"utf16LeWithLoneCrs", utf16LeFile(u"[A]\rx=1\ry=2\r"), "A", "y", "2"},
        ReadCase{"aLastByteOfUtf16LeAloneIsIgnored", utf16LeFile(u"[A]\r\nk=v") + "A", "A", "k",
                 "v"}, // Windows: vA, half a character
        ReadCase{"aLoneSurrogateIsAReplacementCharacter",
                 utf16LeFile(u"[A]\r\nk=a\xD800"
                             u"b\r\n"),
                 "A", "k", "a\uFFFDb"}, // Windows: a?b
        ReadCase{"utf16LeWithoutItsMarkIsNoText", WindowsUnicodeFile.substr(2), "GameNo1", "Credits",
                 std::nullopt},
        ReadCase{"aKeyWithoutEqualsHasNoValue", "[A]\r\nCredits\r\ny=2\r\n", "A", "Credits", std::nullopt},
        ReadCase{"aKeyWithoutEqualsHidesALaterOne", "[A]\r\nCredits\r\nCredits=5\r\n", "A", "Credits",
                 std::nullopt},
        ReadCase{"aHeaderRunsToItsLastBracket", "[CurrentGame]]\r\nCredits=5\r\n", "CurrentGame", "Credits",
                 std::nullopt},
        ReadCase{"aHeaderWithTwoBracketsKeepsOneInItsName", "[CurrentGame]]\r\nCredits=5\r\n", "CurrentGame]",
                 "Credits", "5"},
        ReadCase{"textAfterTheLastBracketIsIgnored", "[A] x\r\nk=5\r\n", "A", "k", "5"},
        ReadCase{"aDosEndOfFileIsABlank", "[A]\r\nk=500\r\n\x1A", "A", "k", "500"},
        ReadCase{"aDosEndOfFileAfterAValue", "[A]\r\nk=0\x1A", "A", "k", "0"},
        ReadCase{"dosEndOfFileMarksAroundAHeader", "[A]\r\n\x1A[B]\x1A\r\nk=1", "B", "k", "1"},
        ReadCase{"aValueEndsAtANul", "[A]\r\nk=ab\0cd\r\n"s, "A", "k", "ab"},
        ReadCase{"blanksBeforeTheNulStay", "[A]\r\nk=ab \0 cd \r\n"s, "A", "k", "ab "},
        ReadCase{"quotesComeOffOnlyBeforeTheNul", "[A]\r\nk=\"x\0y\"\r\n"s, "A", "k", "\"x"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct WriteCase
{
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
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
        WriteCase{"lineBreaksInAValueBecomeSpaces", "[A]\n", "A", "k", "a\r\nb\n[B]", "[A]\nk=a  b [B]\n"},
        // Written text keeps to the file's encoding; where the bytes are Windows's own, they say so.
        WriteCase{"aCp1252NameKeepsTheCodePage", "[GameNo1]\r\nGameName=Partie \xE9t\xE9\r\nCredits=5\r\n",
                  "GameNo1", "GameName", "Partie \u00E9t\u00E9!",
                  "[GameNo1]\r\nGameName=Partie \xE9t\xE9!\r\nCredits=5\r\n"}, // as Windows writes
        WriteCase{"aWindowsAsciiFileGetsTheCodePage", "[GameNo1]\r\nCredits=5\r\n", "GameNo1", "GameName",
                  "\u00E9t\u00E9", "[GameNo1]\r\nCredits=5\r\nGameName=\xE9t\xE9\r\n"}, // as Windows
        WriteCase{"theGamesOwnFileGetsUtf8", "[GameNo1]\nCredits=5\n", "GameNo1", "GameName", "\u00E9t\u00E9",
                  "[GameNo1]\nCredits=5\nGameName=\xC3\xA9t\xC3\xA9\n"},
        WriteCase{"aFileHoldingUtf8KeepsIt", "[GameNo1]\r\nGameName=\xC3\xA9\r\n", "GameNo1", "GameName",
                  "\u00E9t\u00E9", "[GameNo1]\r\nGameName=\xC3\xA9t\xC3\xA9\r\n"},
        WriteCase{"aMarkedUtf8FileKeepsUtf8", "\xEF\xBB\xBF[GameNo1]\r\nGameName=x\r\n", "GameNo1",
                  "GameName", "\u00E9t\u00E9",
                  "\xEF\xBB\xBF[GameNo1]\r\nGameName=\xC3\xA9t\xC3\xA9\r\n"}, // as Windows
        WriteCase{"aNameTheCodePageLacksIsWrittenInUtf8", "[A]\r\nk=\xE9\r\n", "A", "k",
                  "\u0160ev\u010D\u00EDk",
                  "[A]\r\nk=\xC5\xA0"
                  "ev\xC4\x8D\xC3\xADk\r\n"},
        WriteCase{"codePageBytesThatReadAsUtf8AreWrittenInUtf8", "[A]\r\nk=\xE9\r\n", "A", "k",
                  "\u00C3\u00A9", "[A]\r\nk=\xC3\x83\xC2\xA9\r\n"},
        WriteCase{"aUtf16LeValueStaysUtf16Le", utf16LeFile(u"[GameNo1]\r\nGameName=Partie \u00E9t\u00E9\r\n"),
                  "GameNo1", "GameName", "\u00E9t\u00E9 2",
                  utf16LeFile(u"[GameNo1]\r\nGameName=\u00E9t\u00E9 2\r\n")}, // as Windows
        WriteCase{"aKeyAddedToAUtf16LeFile", utf16LeFile(u"[A]\r\nx=1\r\n[B]\r\n"), "A", "k", "v",
                  utf16LeFile(u"[A]\r\nx=1\r\nk=v\r\n[B]\r\n")}, // as Windows
        WriteCase{"aSectionAddedToAUtf16LeFile", utf16LeFile(u"[A]\r\nx=1\r\n"), "B", "k", "v",
                  utf16LeFile(u"[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n")},
        WriteCase{"valueReplacedInACrOnlyFile", "[A]\rx=1\ry=2\r[B]\rx=3\r", "A", "x", "7",
                  "[A]\rx=7\ry=2\r[B]\rx=3\r"},
        WriteCase{"keyAddedToACrOnlySection", "[A]\rx=1\ry=2\r[B]\rx=3\r", "A", "z", "7",
                  "[A]\rx=1\ry=2\rz=7\r[B]\rx=3\r"},
        WriteCase{"aKeyWithoutEqualsIsFilledIn", "[A]\r\n  Credits  \r\ny=2\r\n", "A", "credits", "700",
                  "[A]\r\n  Credits=700\r\ny=2\r\n"},
        WriteCase{"aHeaderWithTwoClosingBracketsIsAnotherSection", "[CurrentGame]]\r\nCredits=5\r\n",
                  "CurrentGame", "Credits", "9",
                  "[CurrentGame]]\r\nCredits=5\r\n\r\n[CurrentGame]\r\nCredits=9\r\n"},
        WriteCase{"keyAddedBeforeADosEndOfFile", "[A]\r\nx=1\r\n\x1A", "A", "k", "v",
                  "[A]\r\nx=1\r\nk=v\r\n\x1A"},
        WriteCase{"aQuotedValueGetsAnotherPair", "[A]\n", "A", "k", "\"Lucky\"", "[A]\nk=\"\"Lucky\"\"\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniDocument, aNulInAValueBecomesASpace)
{
    IniDocument document;
    document.setValue("A", "k", std::string_view("a\0b", 3));
    EXPECT_EQ(document.text(), "[A]\nk=a b\n");
}

// Whatever encoding the file keeps, a value the game writes reads back as it was given.
TEST(IniDocument, writtenTextReadsBackInEveryEncoding)
{
    for (const std::string& file :
         {std::string("[A]\r\nk=\xE9\r\n"), std::string("[A]\r\n"), std::string("[A]\n"),
          std::string("\xEF\xBB\xBF"), utf16LeFile(u"[A]\r\n")}) {
        for (const char* value : {"\"Lucky\"", "'a'", "\"\"", "\u00E9t\u00E9", "\u0160ev\u010D\u00EDk",
                                  "\u00C3\u00A9", "\u20AC\u0081", "\U0001F3B0 7"}) {
            IniDocument document(file);
            document.setValue("A", "k", value);
            EXPECT_EQ(IniDocument(document.text()).value("A", "k"), value) << file << " " << value;
        }
    }
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
