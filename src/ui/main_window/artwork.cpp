// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "device_pixels.h"
#include "game/picture_names.h"
#include "resources/built_in_pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace zantaro {

namespace {

struct RequiredFiles
{
    const char* machine;
    const char* symbols;
    const char* motion;
    const char* lamps;
};

struct SizeBand
{
    int cellSize;
    int pictureTop;
    RequiredFiles files;
    // The full-colour large band makes do with the 256-colour machine face.
    const char* machineFallback;
};

SizeBand sizeBandFor(const ScreenFacts& screen)
{
    const bool fullColour = screen.bitsPerPixel >= 16;
    const int bandIndex = sizeBandOf(screen.width);
    if (bandIndex < 2) {
        const int pictureTop = bandIndex == 0 ? 0 : 50;
        return fullColour ? SizeBand{64,
                                     pictureTop,
                                     {"Inter.bmp", "Zanta64.bmp", "Motion2.bmp", "Barsml.bmp"},
                                     nullptr}
                          : SizeBand{64,
                                     pictureTop,
                                     {"Inter256.bmp", "Zant6256.bmp", "Moti2256.bmp", "Bsml256.bmp"},
                                     nullptr};
    }
    return fullColour
               ? SizeBand{96, 12, {"Interbig.bmp", "Zanta96.bmp", "Motion.bmp", "Barbig.bmp"}, "Inbig256.bmp"}
               : SizeBand{96, 2, {"Inbig256.bmp", "Zant9256.bmp", "Motio256.bmp", "Bbig256.bmp"}, nullptr};
}

QString scaledName(const QString& name, int scale)
{
    return QString::fromStdString(scaledPictureName(name.toStdString(), scale));
}

// Loads a file when it exists and reads as a picture; otherwise leaves the picture as it was.
bool loadIfPresent(QImage& picture, const QString& path)
{
    QImage loaded;
    if (!QFileInfo::exists(path) || !loaded.load(path) || loaded.isNull())
        return false;
    picture = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

const char* blankFaceFile(const ScreenFacts& screen)
{
    return screen.bitsPerPixel >= 16 ? "Box.bmp" : "Box256.bmp";
}

ArtworkPictures builtInPictures(int scale)
{
    const auto picture = [scale](const char* name) {
        return builtInPicture(scaledName(QStringLiteral("pictures/%1.png").arg(QLatin1String(name)), scale));
    };
    ArtworkPictures pictures;
    pictures.spinBtn = picture("SpinBtn");
    pictures.stopBtn = picture("StopBtn");
    pictures.logo = picture("Logo");
    pictures.options = picture("Options");
    pictures.bonus = picture("Bonus");
    pictures.digitsSmall = picture("DigitsSmall");
    pictures.greenSmall = picture("GreenSmall");
    pictures.digitsLarge = picture("DigitsLarge");
    pictures.greenLarge = picture("GreenLarge");
    pictures.plusMinus = picture("PlusMinus");
    pictures.plusSmall = picture("PlusSmall");
    return pictures;
}

// The required pictures of the screen's band and the replacements, at `scale`; false when a
// required one is missing.
bool loadPictures(ArtworkPictures& pictures, const QString& programDirectory, const ScreenFacts& screen,
                  int scale)
{
    const SizeBand band = sizeBandFor(screen);
    const auto path = [&](const char* name) {
        return programDirectory + scaledName(QString::fromLatin1(name), scale);
    };
    bool complete = true;
    bool machineLoaded = loadIfPresent(pictures.machinePicture, path(band.files.machine));
    if (!machineLoaded && band.machineFallback)
        machineLoaded = loadIfPresent(pictures.machinePicture, path(band.machineFallback));
    complete &= machineLoaded;
    complete &= loadIfPresent(pictures.symbolSheet, path(band.files.symbols));
    complete &= loadIfPresent(pictures.motionStrip, path(band.files.motion));
    complete &= loadIfPresent(pictures.lampBar, path(band.files.lamps));

    // Replacement pictures: a missing one keeps the built-in picture and is not reported.
    const bool fullColour = screen.bitsPerPixel >= 16;
    loadIfPresent(pictures.options, path(blankFaceFile(screen)));
    loadIfPresent(pictures.spinBtn, path(fullColour ? "Spin.bmp" : "Spin256.bmp"));
    loadIfPresent(pictures.stopBtn, path(fullColour ? "Stop.bmp" : "Stop256.bmp"));
    loadIfPresent(pictures.logo, path(fullColour ? "Logo.bmp" : "Logo256.bmp"));
    loadIfPresent(pictures.bonus, path("Bonus32.bmp"));
    return complete;
}

constexpr QImage ArtworkPictures::*EveryPicture[] = {
    &ArtworkPictures::machinePicture, &ArtworkPictures::symbolSheet, &ArtworkPictures::motionStrip,
    &ArtworkPictures::lampBar,        &ArtworkPictures::spinBtn,     &ArtworkPictures::stopBtn,
    &ArtworkPictures::logo,           &ArtworkPictures::options,     &ArtworkPictures::bonus,
    &ArtworkPictures::digitsSmall,    &ArtworkPictures::greenSmall,  &ArtworkPictures::digitsLarge,
    &ArtworkPictures::greenLarge,     &ArtworkPictures::plusMinus,   &ArtworkPictures::plusSmall,
};

} // namespace

Artwork builtInArtwork()
{
    Artwork artwork;
    static_cast<ArtworkPictures&>(artwork) = builtInPictures(1);
    return artwork;
}

bool loadArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen)
{
    const SizeBand band = sizeBandFor(screen);
    artwork.screenWidth = screen.width;
    artwork.cellSize = band.cellSize;
    const bool complete = loadPictures(artwork, programDirectory, screen, 1);
    artwork.pictureLeft = (screen.width - artwork.machinePicture.width()) / 2;
    artwork.pictureTop = band.pictureTop;
    return complete;
}

void loadSharpArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen,
                      qreal devicePixelRatio)
{
    // A set loaded for another ratio goes first, so two sets are never held at once.
    artwork.sharp = {};
    artwork.sharpRatio = 1.0;
    if (devicePixelRatio <= 1.0)
        return;
    const int scale = sharpScaleFor(devicePixelRatio);
    ArtworkPictures sharp = builtInPictures(scale);
    loadPictures(sharp, programDirectory, screen, scale);
    for (QImage ArtworkPictures::*picture : EveryPicture) {
        QImage& larger = sharp.*picture;
        const QSize plain = (artwork.*picture).size();
        if (larger.size() != plain * scale)
            larger = QImage();
        else if (devicePixelRatio != scale)
            // Smooth scaling wants true colour; the digit sheets are built in with a palette.
            larger = larger.convertToFormat(QImage::Format_RGB32)
                         .scaled((QSizeF(plain) * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    }
    artwork.sharp = sharp;
    artwork.sharpRatio = devicePixelRatio;
}

// A picture copied at a fractional scale goes into the device pixels its target fills, so pictures
// that meet in the layout (the lamps, the digits of a number) meet on the screen without a seam.
void drawPicture(QPainter& painter, const Artwork& artwork, QImage ArtworkPictures::*picture,
                 const QRect& target, const QRect& source)
{
    const QImage& sharp = artwork.sharp.*picture;
    const QImage& image = sharp.isNull() ? artwork.*picture : sharp;
    const qreal ratio = sharp.isNull() ? 1.0 : artwork.sharpRatio;
    const int scale = wholePixelRatio(painter);
    if (target.size() == source.size() && scale > 0 && scale == ratio) {
        blitDevicePixels(painter, devicePixels(painter, target), image,
                         QRect(source.topLeft() * scale, source.size() * scale));
        return;
    }
    blitDevicePixels(painter, filledDevicePixels(painter, target), image,
                     QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
}

QImage largestBlankFace(const Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen)
{
    QImage face = builtInPicture(scaledName(QStringLiteral("pictures/Options.png"), LargestPictureScale));
    loadIfPresent(face, programDirectory +
                            scaledName(QString::fromLatin1(blankFaceFile(screen)), LargestPictureScale));
    return face.size() == artwork.options.size() * LargestPictureScale ? face : artwork.options;
}

QImage sharpestPicture(const Artwork& artwork, QImage ArtworkPictures::*picture)
{
    QImage sharp = artwork.sharp.*picture;
    if (sharp.isNull())
        return artwork.*picture;
    sharp.setDevicePixelRatio(artwork.sharpRatio);
    return sharp;
}

int drawnHeightFor(const QString& programDirectory, const ScreenFacts& screen)
{
    const SizeBand band = sizeBandFor(screen);
    const auto sizeOf = [&](const char* name) {
        return QImageReader(programDirectory + QLatin1String(name)).size();
    };
    QSize machine = sizeOf(band.files.machine);
    if (!machine.isValid() && band.machineFallback)
        machine = sizeOf(band.machineFallback);
    const QSize lamps = sizeOf(band.files.lamps);
    if (!machine.isValid() || !lamps.isValid())
        return 0;
    return band.pictureTop + machine.height() + lamps.height() / 2;
}

int sizeBandOf(int screenWidth)
{
    return screenWidth <= 690 ? 0 : screenWidth <= 999 ? 1 : 2;
}

} // namespace zantaro
