// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/artwork.h"
#include "ui/main_window/window_layout.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// A program directory holding a copy of every generated bitmap.
struct ArtworkDirectory
{
    QTemporaryDir dir;

    ArtworkDirectory()
    {
        const QDir build(buildDirectory());
        for (const QString& name : build.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            QFile::copy(build.filePath(name), dir.filePath(name));
    }
    QString path() const { return dir.path() + QLatin1Char('/'); }
    void remove(const QString& name) const { QFile::remove(dir.filePath(name)); }
    QImage picture(const QString& name) const
    {
        return QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    }
};

struct BandCase
{
    int bitsPerPixel;
    int width;
    int cellSize;
    int pictureTop;
    const char* machineFile;
    const char* symbolFile;
};

class ArtworkBands : public ::testing::TestWithParam<BandCase>
{
};

TEST_P(ArtworkBands, choosesTheColourSetByDepthAndTheSizeBandByWidth)
{
    const BandCase& band = GetParam();
    ArtworkDirectory files;
    Artwork artwork = builtInArtwork();
    EXPECT_TRUE(loadArtwork(artwork, files.path(), {band.width, 1024, band.bitsPerPixel, 96}));
    EXPECT_EQ(artwork.cellSize, band.cellSize);
    EXPECT_EQ(artwork.pictureTop, band.pictureTop);
    EXPECT_EQ(artwork.machinePicture, files.picture(band.machineFile));
    EXPECT_EQ(artwork.symbolSheet, files.picture(band.symbolFile));
    EXPECT_EQ(artwork.pictureLeft, (band.width - artwork.machinePicture.width()) / 2);
}

INSTANTIATE_TEST_SUITE_P(Screens, ArtworkBands,
                         ::testing::Values(BandCase{16, 1280, 96, 12, "Interbig.bmp", "Zanta96.bmp"},
                                           BandCase{15, 1280, 96, 2, "Inbig256.bmp", "Zant9256.bmp"},
                                           BandCase{8, 800, 64, 50, "Inter256.bmp", "Zant6256.bmp"},
                                           BandCase{32, 690, 64, 0, "Inter.bmp", "Zanta64.bmp"},
                                           BandCase{32, 691, 64, 50, "Inter.bmp", "Zanta64.bmp"},
                                           BandCase{32, 999, 64, 50, "Inter.bmp", "Zanta64.bmp"},
                                           BandCase{32, 1000, 96, 12, "Interbig.bmp", "Zanta96.bmp"}));

TEST(Artwork, theFullColourLargeBandMakesDoWithThe256ColourMachineFace)
{
    ArtworkDirectory files;
    files.remove(QStringLiteral("Interbig.bmp"));
    Artwork artwork = builtInArtwork();
    EXPECT_TRUE(loadArtwork(artwork, files.path(), {1280, 1024, 32, 96}));
    EXPECT_EQ(artwork.machinePicture, files.picture(QStringLiteral("Inbig256.bmp")));
}

TEST(Artwork, aMissingMachineFaceIsReportedAndCentresTheLayoutOnTheScreen)
{
    ArtworkDirectory files;
    files.remove(QStringLiteral("Interbig.bmp"));
    files.remove(QStringLiteral("Inbig256.bmp"));
    Artwork artwork = builtInArtwork();
    EXPECT_FALSE(loadArtwork(artwork, files.path(), {1280, 1024, 32, 96}));
    EXPECT_TRUE(artwork.machinePicture.isNull());
    EXPECT_EQ(artwork.pictureLeft, 640);
    EXPECT_EQ(layoutWindow(artwork, 1.0).machineRight, 640);
}

TEST(Artwork, aFileThatIsNoPictureCountsAsMissing)
{
    ArtworkDirectory files;
    QFile broken(files.dir.filePath(QStringLiteral("Zanta64.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM this is not a bitmap");
    broken.close();
    Artwork artwork = builtInArtwork();
    EXPECT_FALSE(loadArtwork(artwork, files.path(), {800, 600, 32, 96}));
    EXPECT_TRUE(artwork.symbolSheet.isNull());
    EXPECT_FALSE(artwork.machinePicture.isNull());
}

TEST(Artwork, missingReplacementPicturesKeepTheBuiltInOnesWithoutAReport)
{
    ArtworkDirectory files;
    for (const char* name : {"Spin.bmp", "Stop.bmp", "Box.bmp", "Logo.bmp", "Bonus32.bmp"})
        files.remove(QString::fromLatin1(name));
    Artwork artwork = builtInArtwork();
    EXPECT_TRUE(loadArtwork(artwork, files.path(), {1280, 1024, 32, 96}));
    EXPECT_EQ(artwork.logo.size(), QSize(200, 225));
    EXPECT_EQ(artwork.options.size(), QSize(62, 20));
}

TEST(Artwork, aSpinFaceOfAnotherSizeSetsBothButtonWidthsAndTheStopButtonHeight)
{
    ArtworkDirectory files;
    QImage wide(150, 60, QImage::Format_RGB32);
    wide.fill(Qt::green);
    wide.save(files.dir.filePath(QStringLiteral("Spin.bmp")));
    Artwork artwork = builtInArtwork();
    loadArtwork(artwork, files.path(), {1280, 1024, 32, 96});
    const WindowLayout layout = layoutWindow(artwork, 1.0);
    EXPECT_EQ(layout.spinRect.width(), 150);
    EXPECT_EQ(layout.stopRect.width(), 150);
    EXPECT_EQ(layout.stopRect.height(), 60);
    EXPECT_EQ(layout.spinRect.height(), artwork.stopBtn.height());
    EXPECT_EQ(layout.stopRect.bottom, artwork.pictureTop + artwork.machinePicture.height());
    EXPECT_EQ(layout.spinRect.bottom, layout.stopRect.top - 10);
}

} // namespace
} // namespace zantaro::testing
