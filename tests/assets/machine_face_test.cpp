// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// Where the spin draws into a machine face: the rectangles of one wheel, from the wheel
// geometry of the 64- and 96-pixel sets, and the white window the face gives it.
struct FaceGeometry
{
    const char* name;
    int columnStep, rowStep;
    QRect highlightBox;  // wheel 0; also the blank fill of the 64-pixel set
    QRect blankFill;     // filled white as the wheel stops
    QRect motionPicture; // the blurred strip while it turns
    QRect symbol;
    QRect bounce; // copied and redrawn up to 2 pixels up and down as the wheel settles
    QRect whiteWindow;
};

void PrintTo(const FaceGeometry& face, std::ostream* out)
{
    *out << face.name;
}

const FaceGeometry SmallFace{"Inter.bmp",
                             81,
                             112,
                             QRect(49, 45, 65, 97),
                             QRect(49, 45, 64, 97),
                             QRect(49, 45, 64, 97),
                             QRect(49, 59, 64, 64),
                             QRect(45, 59, 64, 72),
                             QRect(49, 45, 65, 97)};
// The 96-pixel symbols start 4 columns into the window; the window runs 4 columns past them so
// they stand centred.
const FaceGeometry LargeFace{"Interbig.bmp",
                             124,
                             173,
                             QRect(75, 70, 99, 150),
                             QRect(75, 70, 99, 150),
                             QRect(79, 70, 96, 150),
                             QRect(79, 94, 96, 96),
                             QRect(79, 90, 96, 104),
                             QRect(75, 70, 104, 150)};

QRect ofWheel(const FaceGeometry& face, const QRect& wheelZero, int wheel)
{
    return wheelZero.translated((wheel % 3) * face.columnStep, (wheel / 3) * face.rowStep);
}

int nonWhitePixels(const QImage& picture, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += picture.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

class MachineFace : public ::testing::TestWithParam<std::tuple<FaceGeometry, bool>>
{
protected:
    FaceGeometry face() const { return std::get<0>(GetParam()); }
    QImage picture() const
    {
        QString name = QString::fromLatin1(face().name);
        if (std::get<1>(GetParam()))
            name = name == QLatin1String("Inter.bmp") ? QStringLiteral("Inter256.bmp")
                                                      : QStringLiteral("Inbig256.bmp");
        return generatedPicture(name);
    }
};

TEST_P(MachineFace, isWhiteWhereverTheSpinDrawsAWheel)
{
    const QImage image = picture();
    ASSERT_FALSE(image.isNull());
    for (int wheel = 0; wheel < 9; ++wheel) {
        const FaceGeometry& f = face();
        for (const QRect& area : {f.highlightBox, f.blankFill, f.motionPicture, f.symbol, f.whiteWindow})
            EXPECT_EQ(nonWhitePixels(image, ofWheel(f, area, wheel)), 0) << "wheel " << wheel;
    }
}

TEST_P(MachineFace, framesEachWindowWithCabinetThatIsNotWhite)
{
    const QImage image = picture();
    for (int wheel = 0; wheel < 9; ++wheel) {
        const QRect window = ofWheel(face(), face().whiteWindow, wheel);
        const QRect ring = window.adjusted(-3, -3, 3, 3);
        int white = 0;
        for (int x = ring.left(); x <= ring.right(); ++x)
            white += (image.pixel(x, ring.top()) == qRgb(255, 255, 255)) +
                     (image.pixel(x, ring.bottom()) == qRgb(255, 255, 255));
        for (int y = ring.top(); y <= ring.bottom(); ++y)
            white += (image.pixel(ring.left(), y) == qRgb(255, 255, 255)) +
                     (image.pixel(ring.right(), y) == qRgb(255, 255, 255));
        EXPECT_EQ(white, 0) << "wheel " << wheel;
    }
}

// A settling wheel copies its bounce rectangle and draws it shifted by up to 2 pixels; where
// that rectangle takes in cabinet, the cabinet must look the same shifted, or it would jiggle.
TEST_P(MachineFace, doesNotShiftVisiblyUnderTheBounceOfAStoppingWheel)
{
    const QImage image = picture();
    for (int wheel = 0; wheel < 9; ++wheel) {
        const QRect bounce = ofWheel(face(), face().bounce, wheel);
        int changes = 0;
        for (int x = bounce.left(); x <= bounce.right(); ++x)
            for (int y = bounce.top() - 2; y < bounce.bottom() + 2; ++y)
                changes += image.pixel(x, y) != image.pixel(x, y + 1);
        EXPECT_EQ(changes, 0) << "wheel " << wheel;
    }
}

TEST_P(MachineFace, leavesTheSpaceAroundTheWheelsForACabinetWithItsMarquee)
{
    const QImage image = picture();
    const QRect marquee(0, 0, image.width(), face().highlightBox.top() - 12);
    EXPECT_LT(meanBrightness(image, marquee), 200);
    const double whiteShare =
        1.0 - double(nonWhitePixels(image, image.rect())) / (image.width() * image.height());
    EXPECT_LT(whiteShare, 0.6); // nine windows, not a white board
}

INSTANTIATE_TEST_SUITE_P(BothSizesBothColourSets, MachineFace,
                         ::testing::Combine(::testing::Values(SmallFace, LargeFace), ::testing::Bool()));

} // namespace
} // namespace zantaro::testing
