// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

struct BitmapFile
{
    const char* name;
    int width;
    int height;
    int bitsPerPixel;
};

void PrintTo(const BitmapFile& file, std::ostream* out)
{
    *out << file.name;
}

class ArtworkFile : public ::testing::TestWithParam<BitmapFile>
{
};

TEST_P(ArtworkFile, hasItsSizeAndColourDepth)
{
    const BitmapFile expected = GetParam();
    const BmpHeader header = readBmpHeader(QString::fromLatin1(expected.name));
    ASSERT_TRUE(header.valid) << "missing or not a bitmap";
    EXPECT_EQ(header.width, expected.width);
    EXPECT_EQ(header.height, expected.height); // positive: stored bottom-up, as every reader expects
    EXPECT_EQ(header.bitsPerPixel, expected.bitsPerPixel);
    EXPECT_EQ(header.compression, 0);
    if (expected.bitsPerPixel == 8) {
        EXPECT_TRUE(header.paletteEntries == 0 || header.paletteEntries == 256) << header.paletteEntries;
    }
    const QImage picture(generatedPath(QString::fromLatin1(expected.name)));
    EXPECT_EQ(picture.size(), QSize(expected.width, expected.height));
    if (expected.bitsPerPixel == 8) {
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
        EXPECT_EQ(picture.colorCount(), 256);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryBitmap, ArtworkFile,
    ::testing::Values(BitmapFile{"Inter.bmp", 324, 400, 24}, BitmapFile{"Inter256.bmp", 324, 400, 8},
                      BitmapFile{"Interbig.bmp", 500, 640, 24}, BitmapFile{"Inbig256.bmp", 500, 640, 8},
                      BitmapFile{"Zanta64.bmp", 256, 192, 24}, BitmapFile{"Zant6256.bmp", 256, 192, 8},
                      BitmapFile{"Zanta96.bmp", 384, 288, 24}, BitmapFile{"Zant9256.bmp", 384, 288, 8},
                      BitmapFile{"Motion2.bmp", 64, 576, 24}, BitmapFile{"Moti2256.bmp", 64, 576, 8},
                      BitmapFile{"Motion.bmp", 96, 576, 24}, BitmapFile{"Motio256.bmp", 96, 576, 8},
                      BitmapFile{"Barsml.bmp", 256, 40, 24}, BitmapFile{"Bsml256.bmp", 256, 40, 8},
                      BitmapFile{"Barbig.bmp", 496, 56, 24}, BitmapFile{"Bbig256.bmp", 496, 56, 8},
                      BitmapFile{"Spin.bmp", 124, 72, 24}, BitmapFile{"Spin256.bmp", 124, 72, 8},
                      BitmapFile{"Stop.bmp", 124, 72, 24}, BitmapFile{"Stop256.bmp", 124, 72, 8},
                      BitmapFile{"Box.bmp", 62, 20, 24}, BitmapFile{"Box256.bmp", 62, 20, 8},
                      BitmapFile{"Logo.bmp", 150, 150, 24}, BitmapFile{"Logo256.bmp", 150, 150, 8},
                      BitmapFile{"Bonus32.bmp", 32, 128, 24}, BitmapFile{"Paychart.bmp", 632, 440, 24}));

struct ColourSetPair
{
    const char* fullColour;
    const char* reduced;
};

void PrintTo(const ColourSetPair& pair, std::ostream* out)
{
    *out << pair.reduced;
}

class ReducedPicture : public ::testing::TestWithParam<ColourSetPair>
{
};

// The 256-colour set shows the same picture: a small mean error, and the flat colours (white
// windows, black surround) kept exactly.
TEST_P(ReducedPicture, isAFaithfulCopyOfTheFullColourPicture)
{
    const QImage full = generatedPicture(QString::fromLatin1(GetParam().fullColour));
    const QImage reduced = generatedPicture(QString::fromLatin1(GetParam().reduced));
    ASSERT_EQ(full.size(), reduced.size());
    EXPECT_LT(meanDifference(full, reduced), 3.0);
    int flatPixelsChanged = 0;
    for (int y = 0; y < full.height(); ++y) {
        for (int x = 0; x < full.width(); ++x) {
            const QRgb pixel = full.pixel(x, y);
            if ((pixel == qRgb(255, 255, 255) || pixel == qRgb(0, 0, 0)) && reduced.pixel(x, y) != pixel)
                ++flatPixelsChanged;
        }
    }
    EXPECT_EQ(flatPixelsChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryColourSet, ReducedPicture,
    ::testing::Values(
        ColourSetPair{"Inter.bmp", "Inter256.bmp"}, ColourSetPair{"Interbig.bmp", "Inbig256.bmp"},
        ColourSetPair{"Zanta64.bmp", "Zant6256.bmp"}, ColourSetPair{"Zanta96.bmp", "Zant9256.bmp"},
        ColourSetPair{"Motion2.bmp", "Moti2256.bmp"}, ColourSetPair{"Motion.bmp", "Motio256.bmp"},
        ColourSetPair{"Barsml.bmp", "Bsml256.bmp"}, ColourSetPair{"Barbig.bmp", "Bbig256.bmp"},
        ColourSetPair{"Spin.bmp", "Spin256.bmp"}, ColourSetPair{"Stop.bmp", "Stop256.bmp"},
        ColourSetPair{"Box.bmp", "Box256.bmp"}, ColourSetPair{"Logo.bmp", "Logo256.bmp"}));

} // namespace
} // namespace zantaro::testing
