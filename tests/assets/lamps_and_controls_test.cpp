// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

struct LampBarFile
{
    const char* name;
    int lampWidth;
    int lampHeight;
};

void PrintTo(const LampBarFile& file, std::ostream* out)
{
    *out << file.name;
}

class LampBar : public ::testing::TestWithParam<LampBarFile>
{
protected:
    QRect lamp(int index, bool lit) const
    {
        return QRect(index * GetParam().lampWidth, lit ? 0 : GetParam().lampHeight, GetParam().lampWidth,
                     GetParam().lampHeight);
    }
};

TEST_P(LampBar, showsEachLampBrighterLitThanUnlit)
{
    const QImage bar = generatedPicture(QString::fromLatin1(GetParam().name));
    ASSERT_EQ(bar.size(), QSize(8 * GetParam().lampWidth, 2 * GetParam().lampHeight));
    for (int index = 0; index < 8; ++index) {
        EXPECT_GT(meanDifference(bar, lamp(index, true), bar, lamp(index, false)), 20) << "lamp " << index;
        EXPECT_GT(meanBrightness(bar, lamp(index, true)), meanBrightness(bar, lamp(index, false)) + 20)
            << "lamp " << index;
    }
}

// Loser, double, free spin and pool each look their own; the four lamps that win nothing alike.
TEST_P(LampBar, tellsTheFourBonusLampsApartFromEachOtherAndFromThePlainOnes)
{
    const QImage bar = generatedPicture(QString::fromLatin1(GetParam().name));
    for (int first = 0; first < 8; ++first) {
        for (int second = first + 1; second < 8; ++second) {
            const double difference = meanDifference(bar, lamp(first, true), bar, lamp(second, true));
            if (first % 2 == 1 && second % 2 == 1)
                EXPECT_LT(difference, 1.0) << first << " and " << second;
            else
                EXPECT_GT(difference, 10.0) << first << " and " << second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizesBothColourSets, LampBar,
                         ::testing::Values(LampBarFile{"Barsml.bmp", 32, 20},
                                           LampBarFile{"Bsml256.bmp", 32, 20},
                                           LampBarFile{"Barbig.bmp", 62, 28},
                                           LampBarFile{"Bbig256.bmp", 62, 28}));

// Unlit slots of the Lightning row and the fruit pyramid are black: the icons sit on black too.
TEST(BonusIcons, showFourDifferentIconsOnBlack)
{
    const QImage icons = generatedPicture(QStringLiteral("Bonus32.bmp"));
    ASSERT_EQ(icons.size(), QSize(32, 128));
    for (int icon = 0; icon < 4; ++icon) {
        const QRect square(0, icon * 32, 32, 32);
        EXPECT_EQ(icons.pixel(square.topLeft()), qRgb(0, 0, 0)) << icon;
        EXPECT_EQ(icons.pixel(square.bottomRight()), qRgb(0, 0, 0)) << icon;
        EXPECT_GT(meanBrightness(icons, square), 25) << icon;
        for (int other = icon + 1; other < 4; ++other)
            EXPECT_GT(meanDifference(icons, square, icons, QRect(0, other * 32, 32, 32)), 10)
                << icon << other;
    }
}

TEST(CommandButtonFace, isDarkSoItsLightCaptionsRead)
{
    for (const char* name : {"Box.bmp", "Box256.bmp"}) {
        const QImage face = generatedPicture(QString::fromLatin1(name));
        EXPECT_LT(meanBrightness(face, face.rect().adjusted(3, 3, -3, -3)), 70) << name;
    }
}

TEST(SpinAndStopFaces, areGreenAndRed)
{
    const QImage spin = generatedPicture(QStringLiteral("Spin.bmp"));
    const QImage stop = generatedPicture(QStringLiteral("Stop.bmp"));
    const QRgb spinCap = spin.pixel(12, 50);
    const QRgb stopCap = stop.pixel(12, 50);
    EXPECT_GT(qGreen(spinCap), 2 * qRed(spinCap));
    EXPECT_GT(qRed(stopCap), 2 * qGreen(stopCap));
}

} // namespace
} // namespace zantaro::testing
