// SPDX-License-Identifier: GPL-3.0-or-later
// Artwork: the pictures the main window draws from, chosen by the screen's depth and width, with
// the layout values that place the machine picture, and the same pictures drawn larger for screens
// with more device pixels than logical ones.
#pragma once

#include "platform/screen_facts.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace zantaro {

struct ArtworkPictures
{
    // Read from files beside the program.
    QImage machinePicture;
    QImage symbolSheet;
    QImage motionStrip;
    QImage lampBar;

    // Built in, replaced by files when present.
    QImage spinBtn;
    QImage stopBtn;
    QImage logo;
    QImage options;
    QImage bonus;

    // Built in only.
    QImage digitsSmall;
    QImage greenSmall;
    QImage digitsLarge;
    QImage greenLarge;
    QImage plusMinus;
    QImage plusSmall;
};

struct Artwork : ArtworkPictures
{
    // The pictures again at the screen's device pixel ratio, `sharpRatio` times their size, for
    // screens with more device pixels than logical ones. A null picture here is drawn from its 1x
    // picture.
    ArtworkPictures sharp;
    qreal sharpRatio = 1.0;

    // Layout values, fixed at start-up.
    int screenWidth = 0;
    int cellSize = 64;
    int pictureLeft = 0;
    int pictureTop = 0;

    bool largeCells() const { return cellSize == 96; }
};

// The message start-up shows when loadArtwork reports a missing file.
inline constexpr const char* MissingArtworkMessage =
    QT_TRANSLATE_NOOP("zantaro::MainWindow",
                      "There are BMP files missing which may cause this program to not function properly!");

// The built-in pictures, before any file replaces them.
Artwork builtInArtwork();

// Loads the required pictures and the replacements from programDirectory into artwork and sets
// its layout values. Returns false when a required file is missing or cannot be read as a
// picture; its bitmap then stays empty and the game plays on.
bool loadArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen);

// Loads the picture set nearest at or above the device pixel ratio (their names carry "@2x" or
// "@3x") and shrinks it once to that ratio, so every later copy is one to one. A picture of
// another size than the set's scale times its 1x picture is left out. At a ratio of 1 or below
// the 1x pictures are drawn alone.
void loadSharpArtwork(Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen,
                      qreal devicePixelRatio);

// Draws the `source` part of a picture (in 1x pixels) into `target`, from the sharp set when it
// has the picture.
void drawPicture(QPainter& painter, const Artwork& artwork, QImage ArtworkPictures::*picture,
                 const QRect& target, const QRect& source);

// A picture for a control of its own: the sharp one, carrying its pixel ratio, when there is one.
QImage sharpestPicture(const Artwork& artwork, QImage ArtworkPictures::*picture);

// The command buttons' blank face from the largest picture set, or the 1x face when that set has
// none of the right size; each button shows it shrunk to its own pixels.
QImage largestBlankFace(const Artwork& artwork, const QString& programDirectory, const ScreenFacts& screen);

// The drawn layout's height (lowest item: the lamp row under the machine picture) for a screen,
// read from the sizes of the files without loading them.
int drawnHeightFor(const QString& programDirectory, const ScreenFacts& screen);

// Screens whose widths share a size band share their artwork and drawn height.
int sizeBandOf(int screenWidth);

} // namespace zantaro
