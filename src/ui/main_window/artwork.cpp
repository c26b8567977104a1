#include "artwork.h"

#include "built_in_pictures.h"

#include <QFileInfo>

namespace zantaro {

namespace {

struct RequiredFiles
{
    const char* machine;
    const char* symbols;
    const char* motion;
    const char* lamps;
};

// Loads a file when it exists and reads as a picture; otherwise leaves the picture as it was.
bool loadIfPresent(QImage& picture, const QString& path)
{
    QImage loaded;
    if (!QFileInfo::exists(path) || !loaded.load(path) || loaded.isNull())
        return false;
    picture = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace

Artwork builtInArtwork()
{
    Artwork artwork;
    artwork.SpinBtn = builtInPicture("pictures/SpinBtn.png");
    artwork.StopBtn = builtInPicture("pictures/StopBtn.png");
    artwork.Logo = builtInPicture("pictures/Logo.png");
    artwork.Options = builtInPicture("pictures/Options.png");
    artwork.Bonus = builtInPicture("pictures/Bonus.png");
    artwork.DigitsSmall = builtInPicture("pictures/DigitsSmall.png");
    artwork.GreenSmall = builtInPicture("pictures/GreenSmall.png");
    artwork.DigitsLarge = builtInPicture("pictures/DigitsLarge.png");
    artwork.GreenLarge = builtInPicture("pictures/GreenLarge.png");
    artwork.PlusMinus = builtInPicture("pictures/PlusMinus.png");
    artwork.PlusSmall = builtInPicture("pictures/PlusSmall.png");
    return artwork;
}

bool LoadArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen)
{
    const bool fullColour = screen.bitsPerPixel >= 16;
    const int width = screen.width;
    artwork.ScreenWidth = width;

    int pictureTop = 0;
    RequiredFiles files{};
    if (width <= 999) {
        artwork.CellSize = 64;
        pictureTop = width <= 690 ? 0 : 50;
        files = fullColour ? RequiredFiles{"Inter.bmp", "Zanta64.bmp", "Motion2.bmp", "Barsml.bmp"}
                           : RequiredFiles{"Inter256.bmp", "Zant6256.bmp", "Moti2256.bmp", "Bsml256.bmp"};
    } else {
        artwork.CellSize = 96;
        pictureTop = fullColour ? 12 : 2;
        files = fullColour ? RequiredFiles{"Interbig.bmp", "Zanta96.bmp", "Motion.bmp", "Barbig.bmp"}
                           : RequiredFiles{"Inbig256.bmp", "Zant9256.bmp", "Motio256.bmp", "Bbig256.bmp"};
    }

    const auto path = [&](const QString& name) { return programDirectory + name; };
    bool complete = true;
    bool machineLoaded = loadIfPresent(artwork.MachinePicture, path(QString::fromLatin1(files.machine)));
    // The full-colour large band makes do with the 256-colour machine face.
    if (!machineLoaded && width > 999 && fullColour)
        machineLoaded = loadIfPresent(artwork.MachinePicture, path(QStringLiteral("Inbig256.bmp")));
    complete &= machineLoaded;
    complete &= loadIfPresent(artwork.SymbolSheet, path(QString::fromLatin1(files.symbols)));
    complete &= loadIfPresent(artwork.MotionStrip, path(QString::fromLatin1(files.motion)));
    complete &= loadIfPresent(artwork.LampBar, path(QString::fromLatin1(files.lamps)));

    artwork.PictureLeft = (width - artwork.MachinePicture.width()) / 2;
    artwork.PictureTop = pictureTop;

    // Replacement pictures: a missing one keeps the built-in picture and is not reported.
    const QString suffix = fullColour ? QString() : QStringLiteral("256");
    loadIfPresent(artwork.Options, path(QStringLiteral("Box%1.bmp").arg(suffix)));
    loadIfPresent(artwork.SpinBtn, path(QStringLiteral("Spin%1.bmp").arg(suffix)));
    loadIfPresent(artwork.StopBtn, path(QStringLiteral("Stop%1.bmp").arg(suffix)));
    loadIfPresent(artwork.Logo, path(QStringLiteral("Logo%1.bmp").arg(suffix)));
    loadIfPresent(artwork.Bonus, path(QStringLiteral("Bonus32.bmp")));
    return complete;
}

} // namespace zantaro
