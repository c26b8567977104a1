// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"
#include "resources/built_in_pictures.h"

#include <QSet>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

struct BuiltIn
{
    const char* path;
    int width;
    int height;
};

void PrintTo(const BuiltIn& picture, std::ostream* out)
{
    *out << picture.path;
}

class BuiltInPicture : public ::testing::TestWithParam<BuiltIn>
{
};

TEST_P(BuiltInPicture, isCompiledInAtItsSize)
{
    const QImage picture = builtInPicture(QString::fromLatin1(GetParam().path));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(GetParam().width, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(
    EveryPicture, BuiltInPicture,
    ::testing::Values(BuiltIn{"pictures/DigitsSmall.png", 188, 21},
                      BuiltIn{"pictures/GreenSmall.png", 188, 21},
                      BuiltIn{"pictures/DigitsLarge.png", 376, 42},
                      BuiltIn{"pictures/GreenLarge.png", 376, 42}, BuiltIn{"pictures/PlusMinus.png", 62, 31},
                      BuiltIn{"pictures/PlusSmall.png", 30, 15}, BuiltIn{"pictures/SpinBtn.png", 124, 72},
                      BuiltIn{"pictures/StopBtn.png", 124, 72}, BuiltIn{"pictures/Logo.png", 200, 225},
                      BuiltIn{"pictures/Options.png", 62, 20}, BuiltIn{"pictures/Bonus.png", 32, 128},
                      BuiltIn{"pictures/Icon32.png", 32, 32}, BuiltIn{"pictures/Icon48.png", 48, 48},
                      BuiltIn{"pictures/Icon64.png", 64, 64}, BuiltIn{"pictures/Icon128.png", 128, 128},
                      BuiltIn{"pictures/Icon256.png", 256, 256}, BuiltIn{"dialogs/Borrow1000.png", 64, 40},
                      BuiltIn{"dialogs/Borrow100.png", 64, 40}, BuiltIn{"dialogs/Borrow10.png", 64, 40},
                      BuiltIn{"dialogs/Borrow1.png", 64, 40}));

struct DigitSheet
{
    const char* path;
    int cellWidth;
    bool yellow;
};

void PrintTo(const DigitSheet& sheet, std::ostream* out)
{
    *out << sheet.path;
}

class DigitSheetPicture : public ::testing::TestWithParam<DigitSheet>
{
};

TEST_P(DigitSheetPicture, usesAtMostSixteenColours)
{
    const QImage sheet = builtInPicture(QString::fromLatin1(GetParam().path));
    ASSERT_EQ(sheet.format(), QImage::Format_Indexed8);
    EXPECT_LE(sheet.colorCount(), 16);
    QSet<QRgb> used;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            used.insert(sheet.pixel(x, y));
    EXPECT_LE(used.size(), 16);
}

// drawNumber copies cell d for digit d onto a black backing: each must be a different digit in
// its colour, the cell after the digits blank.
TEST_P(DigitSheetPicture, holdsTenDifferentDigitsThenABlankOnBlack)
{
    const QImage sheet =
        builtInPicture(QString::fromLatin1(GetParam().path)).convertToFormat(QImage::Format_RGB32);
    const int width = GetParam().cellWidth;
    const int height = sheet.height();
    for (int digit = 0; digit < 10; ++digit) {
        const QRect cell(digit * width, 0, width, height);
        EXPECT_EQ(sheet.pixel(cell.topLeft()), qRgb(0, 0, 0));
        EXPECT_GT(meanBrightness(sheet, cell), 10) << digit;
        for (int other = digit + 1; other < 10; ++other)
            EXPECT_GT(meanDifference(sheet, cell, sheet, QRect(other * width, 0, width, height)), 3)
                << digit << other;
    }
    EXPECT_EQ(meanBrightness(sheet, QRect(10 * width, 0, width, height)), 0);

    int red = 0, green = 0, blue = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 10 * width; ++x) {
            red += qRed(sheet.pixel(x, y));
            green += qGreen(sheet.pixel(x, y));
            blue += qBlue(sheet.pixel(x, y));
        }
    }
    EXPECT_GT(red, 2 * blue);
    if (GetParam().yellow)
        EXPECT_GT(green, red / 2);
    else
        EXPECT_GT(red, 2 * green);
}

INSTANTIATE_TEST_SUITE_P(RedAndYellowSmallAndLarge, DigitSheetPicture,
                         ::testing::Values(DigitSheet{"pictures/DigitsSmall.png", 16, false},
                                           DigitSheet{"pictures/GreenSmall.png", 16, true},
                                           DigitSheet{"pictures/DigitsLarge.png", 32, false},
                                           DigitSheet{"pictures/GreenLarge.png", 32, true}));

TEST(BetAdjuster, showsPlusAndMinusSideBySide)
{
    for (const char* path : {"pictures/PlusMinus.png", "pictures/PlusSmall.png"}) {
        const QImage adjuster =
            builtInPicture(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
        const int half = adjuster.width() / 2;
        EXPECT_GT(meanDifference(adjuster, QRect(0, 0, half, adjuster.height()), adjuster,
                                 QRect(half, 0, half, adjuster.height())),
                  10)
            << path;
    }
}

TEST(ProgramIcon, hasTransparentCornersAtEverySize)
{
    for (const int edge : {32, 48, 64, 128, 256}) {
        const QImage icon = builtInPicture(QStringLiteral("pictures/Icon%1.png").arg(edge));
        ASSERT_TRUE(icon.hasAlphaChannel()) << edge;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << edge;
        EXPECT_EQ(qAlpha(icon.pixel(edge / 2, edge / 2)), 255) << edge;
    }
}

struct BorrowGlyph
{
    const char* path;
    QRgb ovalColour; // roughly
};

TEST(BorrowGlyphs, showEachAmountOnItsOwnColourOfOval)
{
    const BorrowGlyph glyphs[] = {{"dialogs/Borrow1000.png", qRgb(30, 70, 210)},
                                  {"dialogs/Borrow100.png", qRgb(210, 25, 30)},
                                  {"dialogs/Borrow10.png", qRgb(20, 150, 40)},
                                  {"dialogs/Borrow1.png", qRgb(30, 30, 34)}};
    for (const BorrowGlyph& glyph : glyphs) {
        const QImage picture = builtInPicture(QString::fromLatin1(glyph.path));
        // Left of the lettering, inside the oval's rim.
        const QRgb oval = picture.pixel(9, picture.height() / 2);
        EXPECT_LT(std::abs(qRed(oval) - qRed(glyph.ovalColour)) +
                      std::abs(qGreen(oval) - qGreen(glyph.ovalColour)) +
                      std::abs(qBlue(oval) - qBlue(glyph.ovalColour)),
                  120)
            << glyph.path;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << glyph.path;
    }
}

} // namespace
} // namespace zantaro::testing
