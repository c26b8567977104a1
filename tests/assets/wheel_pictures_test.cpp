// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr int PlainBlank = 10;
constexpr int PatternedBlank = 11;

struct SheetFile
{
    const char* name;
    int cell;
};

void PrintTo(const SheetFile& file, std::ostream* out)
{
    *out << file.name;
}

QRect spriteOf(int code, int cell)
{
    return QRect((code % 4) * cell, (code / 4) * cell, cell, cell);
}

class SymbolSheet : public ::testing::TestWithParam<SheetFile>
{
};

TEST_P(SymbolSheet, showsTwelveSymbolsThatDifferAtAGlance)
{
    const QImage sheet = generatedPicture(QString::fromLatin1(GetParam().name));
    const int cell = GetParam().cell;
    ASSERT_EQ(sheet.size(), QSize(4 * cell, 3 * cell));
    for (int first = 0; first < 12; ++first) {
        for (int second = first + 1; second < 12; ++second) {
            if (first == PlainBlank && second == PatternedBlank)
                continue;
            EXPECT_GT(meanDifference(sheet, spriteOf(first, cell), sheet, spriteOf(second, cell)), 8.0)
                << "symbols " << first << " and " << second;
        }
    }
}

TEST_P(SymbolSheet, hasTwoBlanksThatDifferOnlySubtly)
{
    const QImage sheet = generatedPicture(QString::fromLatin1(GetParam().name));
    const int cell = GetParam().cell;
    const double difference =
        meanDifference(sheet, spriteOf(PlainBlank, cell), sheet, spriteOf(PatternedBlank, cell));
    EXPECT_GT(difference, 0.1);
    EXPECT_LT(difference, 2.0);
    EXPECT_GT(meanBrightness(sheet, spriteOf(PatternedBlank, cell)), 250);
}

// The spin fills the wheel window white around a stopping symbol, so every cell must blend in.
TEST_P(SymbolSheet, drawsEverySymbolOnTheWhiteOfTheWheelWindow)
{
    const QImage sheet = generatedPicture(QString::fromLatin1(GetParam().name));
    const int cell = GetParam().cell;
    for (int code = 0; code < 12; ++code) {
        const QRect sprite = spriteOf(code, cell);
        for (const QPoint corner :
             {sprite.topLeft(), sprite.topRight(), sprite.bottomLeft(), sprite.bottomRight()})
            EXPECT_EQ(sheet.pixel(corner), qRgb(255, 255, 255)) << "symbol " << code;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizesBothColourSets, SymbolSheet,
                         ::testing::Values(SheetFile{"Zanta64.bmp", 64}, SheetFile{"Zant6256.bmp", 64},
                                           SheetFile{"Zanta96.bmp", 96}, SheetFile{"Zant9256.bmp", 96}));

class MotionStrip : public ::testing::TestWithParam<SheetFile>
{
};

double rowDifference(const QImage& strip, int first, int second)
{
    return meanDifference(strip, QRect(0, first, strip.width(), 1), strip,
                          QRect(0, second, strip.width(), 1));
}

TEST_P(MotionStrip, loopsWithoutASeamFromItsLastRowToItsFirst)
{
    const QImage strip = generatedPicture(QString::fromLatin1(GetParam().name));
    ASSERT_EQ(strip.size(), QSize(GetParam().cell, 576));
    double largestStep = 0;
    for (int row = 0; row + 1 < strip.height(); ++row)
        largestStep = std::max(largestStep, rowDifference(strip, row, row + 1));
    const double seam = rowDifference(strip, strip.height() - 1, 0);
    EXPECT_LT(seam, 4.0);
    EXPECT_LE(seam, largestStep);
}

TEST_P(MotionStrip, showsSmearedSymbolsOnWhite)
{
    const QImage strip = generatedPicture(QString::fromLatin1(GetParam().name));
    const double brightness = meanBrightness(strip, strip.rect());
    EXPECT_LT(brightness, 235); // there are symbols going past
    EXPECT_GT(brightness, 150); // on the white of the reel
    // Smeared: no hard edges down the strip.
    for (int row = 0; row + 1 < strip.height(); ++row)
        ASSERT_LT(rowDifference(strip, row, row + 1), 12.0) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(BothSizesBothColourSets, MotionStrip,
                         ::testing::Values(SheetFile{"Motion2.bmp", 64}, SheetFile{"Moti2256.bmp", 64},
                                           SheetFile{"Motion.bmp", 96}, SheetFile{"Motio256.bmp", 96}));

} // namespace
} // namespace zantaro::testing
