// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in pictures of the two games: sizes, the card shape shared by face, mask, back and
// joker, the back's palette, and the tiles' colours.
#include "resources/built_in_pictures.h"

#include <QColor>
#include <gtest/gtest.h>
#include <set>

namespace zantaro::testing {
namespace {

QImage picture(const char* path)
{
    return builtInPicture(path);
}

bool isBlack(QRgb pixel)
{
    return (pixel & 0xffffffu) == 0;
}

TEST(GamePictures, everyPictureHasTheSizeItsSheetLayoutNeeds)
{
    const std::pair<const char*, QSize> sizes[] = {
        {"card_game/Pos.png", {73, 98}},     {"card_game/Neg.png", {73, 98}},
        {"card_game/back.png", {73, 98}},    {"card_game/Joker.png", {73, 98}},
        {"card_game/Royal.png", {141, 148}}, {"card_game/Suits.png", {60, 30}},
        {"card_game/SuitSm.png", {44, 22}},  {"card_game/Black.png", {117, 28}},
        {"card_game/Red.png", {117, 28}},    {"pyramid/BlueBox.png", {64, 64}},
        {"pyramid/Red.png", {64, 64}},
    };
    for (const auto& [path, size] : sizes)
        EXPECT_EQ(picture(path).size(), size) << path;
    EXPECT_FALSE(picture("card_game/PyramidGlyph.png").isNull());
    EXPECT_FALSE(picture("pyramid/CardGameGlyph.png").isNull());
}

TEST(GamePictures, theMaskIsWhiteExactlyWhereFaceBackAndJokerAreBlackOutsideTheCorners)
{
    const QImage mask = picture("card_game/Neg.png").convertToFormat(QImage::Format_RGB32);
    int outside = 0;
    for (const char* path : {"card_game/Pos.png", "card_game/back.png", "card_game/Joker.png"}) {
        const QImage card = picture(path).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 98; ++y) {
            for (int x = 0; x < 73; ++x) {
                const QRgb maskPixel = mask.pixel(x, y);
                ASSERT_TRUE(isBlack(maskPixel) || maskPixel == qRgb(255, 255, 255)) << x << "," << y;
                if (isBlack(maskPixel))
                    continue;
                ++outside;
                ASSERT_TRUE(isBlack(card.pixel(x, y))) << path << " at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(outside, 3 * 4 * 6); // every corner is cut, by more than a pixel or two
    EXPECT_TRUE(isBlack(mask.pixel(36, 49)));
    EXPECT_EQ(picture("card_game/Pos.png").pixel(36, 49), qRgb(255, 255, 255));
}

TEST(GamePictures, theCardBackHasAtMost256Colours)
{
    const QImage back = picture("card_game/back.png");
    std::set<QRgb> colours;
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x)
            colours.insert(back.pixel(x, y));
    }
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 4u);
}

TEST(GamePictures, theClosedTileIsGreenAndTheOpenedTileRed)
{
    const QColor closed = picture("pyramid/BlueBox.png").pixelColor(32, 32);
    const QColor opened = picture("pyramid/Red.png").pixelColor(32, 32);
    EXPECT_GT(closed.green(), 2 * std::max(closed.red(), closed.blue()));
    EXPECT_GT(opened.red(), 2 * std::max(opened.green(), opened.blue()));
}

} // namespace
} // namespace zantaro::testing
