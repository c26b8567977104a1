// Artwork: the pictures the main window draws from, chosen by the screen's depth and width, with
// the layout values that place the machine picture.
#pragma once

#include "platform/screen_facts.h"

#include <QImage>
#include <QString>

namespace zantaro {

struct Artwork
{
    // Read from files beside the program.
    QImage MachinePicture;
    QImage SymbolSheet;
    QImage MotionStrip;
    QImage LampBar;

    // Built in, replaced by files when present.
    QImage SpinBtn;
    QImage StopBtn;
    QImage Logo;
    QImage Options;
    QImage Bonus;

    // Built in only.
    QImage DigitsSmall;
    QImage GreenSmall;
    QImage DigitsLarge;
    QImage GreenLarge;
    QImage PlusMinus;
    QImage PlusSmall;

    // Layout values, fixed at start-up.
    int ScreenWidth = 0;
    int CellSize = 64;
    int PictureLeft = 0;
    int PictureTop = 0;

    bool largeCells() const { return CellSize == 96; }
};

// The message start-up shows when LoadArtwork reports a missing file.
inline constexpr const char* MissingArtworkMessage =
    "There are BMP files missing which may cause this program to not function properly!";

// The built-in pictures, before any file replaces them.
Artwork builtInArtwork();

// Loads the required pictures and the replacements from programDirectory into artwork and sets
// its layout values. Returns false when a required file is missing or cannot be read as a
// picture; its bitmap then stays empty and the game plays on.
bool LoadArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen);

} // namespace zantaro
