// SPDX-License-Identifier: GPL-3.0-or-later
// The command captions as the strip paints them in device pixels: at zoom 1.28 (1280 x 1024) at
// least as large as at zoom 1.5 (1920 x 1080), centred on the face and clear of its frame.
#include "image_checks.h"
#include "ui/main_window/artwork.h"
#include "ui/main_window/caption_fit.h"
#include "ui/main_window/command_strip.h"
#include "ui/main_window/window_layout.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// The pixels a caption lights on its face.
QRect inkOf(const QImage& face, const QString& caption, int pixelSize)
{
    QImage painted = face.copy();
    paintCaption(painted, caption, Qt::yellow, pixelSize);
    return differenceBounds(face, painted);
}

struct StartUpStrip
{
    QImage face;
    int captionPixels;
};

// The strip of a screen whose logical width `logicalWidth` the start-up zoom gives.
StartUpStrip stripAt(int logicalWidth, qreal zoom)
{
    const ScreenFacts screen{logicalWidth, 800, 32, 96};
    Artwork artwork = builtInArtwork();
    loadArtwork(artwork, buildDirectory(), screen);
    const WindowLayout layout = layoutWindow(artwork, zoom);
    const QSize pixels = (QSizeF(layout.commandButtonSize) * zoom).toSize();
    return {largestBlankFace(artwork, buildDirectory(), screen)
                .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32),
            captionPixelSize(pixels, zoom * layout.captionScale)};
}

TEST(CaptionSize, atZoom1_28TheCaptionsAreAtLeastAsLargeAsAtZoom1_5AndEachStandsCentredInsideTheFrame)
{
    const StartUpStrip at128 = stripAt(1000, 1.28);
    const StartUpStrip at150 = stripAt(1280, 1.5);
    EXPECT_GE(at128.captionPixels, at150.captionPixels);
    EXPECT_EQ(at150.captionPixels, 16); // 8 points at zoom 1.5
    for (const char* caption : {"Stats", "Help?", "Save Game"})
        EXPECT_GE(inkOf(at128.face, QString::fromLatin1(caption), at128.captionPixels).height(),
                  inkOf(at150.face, QString::fromLatin1(caption), at150.captionPixels).height())
            << caption;

    for (const StartUpStrip& strip : {at128, at150}) {
        for (int number = 0; number < CommandCount; ++number) {
            const QRect ink = inkOf(strip.face, commandCaption(number), strip.captionPixels);
            SCOPED_TRACE(commandCaption(number).toStdString());
            EXPECT_LE(std::abs(ink.left() - (strip.face.width() - 1 - ink.right())), 2);
            // The bevel and the gold frame take the outer 3 of the face's 20 rows and 62 columns.
            EXPECT_GT(ink.left(), strip.face.width() * 3 / 62);
            EXPECT_LT(ink.right(), strip.face.width() - strip.face.width() * 3 / 62 - 1);
            EXPECT_GT(ink.top(), strip.face.height() * 3 / 20);
            EXPECT_LT(ink.bottom(), strip.face.height() - strip.face.height() * 3 / 20 - 1);
        }
    }
}

} // namespace
} // namespace zantaro::testing
