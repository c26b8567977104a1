// SPDX-License-Identifier: GPL-3.0-or-later
// zantaro-assets OUTPUT_DIR RESOURCE_DIR: draws every picture and synthesises every sound of the
// game. Files the game loads at run time go to OUTPUT_DIR; the pictures built into the program
// go under RESOURCE_DIR.
#include "artwork_writer.h"
#include "bonus_icons.h"
#include "borrow_glyphs.h"
#include "button_faces.h"
#include "card_game_pictures.h"
#include "digit_sheets.h"
#include "game/picture_names.h"
#include "lamp_bar.h"
#include "logo_and_icon.h"
#include "machine_face.h"
#include "paint_kit.h"
#include "pay_chart.h"
#include "pay_chart_rows.h"
#include "pyramid_pictures.h"
#include "sound_cues.h"
#include "symbol_sheets.h"
#include "wave_file.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

using namespace zantaro::assets;

void writeMachineArtwork(ArtworkWriter& out)
{
    out.bothColourSets(machineFace(SmallFace), "Inter.bmp", "Inter256.bmp");
    out.bothColourSets(symbolSheet(64), "Zanta64.bmp", "Zant6256.bmp");
    out.bothColourSets(motionStrip(64), "Motion2.bmp", "Moti2256.bmp");
    out.bothColourSets(lampBar(32, 20), "Barsml.bmp", "Bsml256.bmp");
    out.bothColourSets(machineFace(LargeFace), "Interbig.bmp", "Inbig256.bmp");
    out.bothColourSets(symbolSheet(96), "Zanta96.bmp", "Zant9256.bmp");
    out.bothColourSets(motionStrip(96), "Motion.bmp", "Motio256.bmp");
    out.bothColourSets(lampBar(62, 28), "Barbig.bmp", "Bbig256.bmp");
}

void writeControlArtwork(ArtworkWriter& out)
{
    const QImage spin = bigButton(QSize(124, 72), QColor(20, 160, 40), QStringLiteral("SPIN"));
    const QImage stop = bigButton(QSize(124, 72), QColor(200, 20, 24), QStringLiteral("STOP"));
    const QImage box = commandButtonFace(QSize(62, 20));
    const QImage bonus = bonusIcons(32);
    out.bothColourSets(spin, "Spin.bmp", "Spin256.bmp");
    out.bothColourSets(stop, "Stop.bmp", "Stop256.bmp");
    out.bothColourSets(box, "Box.bmp", "Box256.bmp");
    out.bothColourSets(logo(QSize(150, 150)), "Logo.bmp", "Logo256.bmp");
    out.fullColour(bonus, "Bonus32.bmp");
    out.fullColour(payChart(), "Paychart.bmp");

    out.builtIn(spin, "pictures/SpinBtn.png");
    out.builtIn(stop, "pictures/StopBtn.png");
    out.builtIn(box, "pictures/Options.png");
    out.builtIn(bonus, "pictures/Bonus.png");
    out.builtIn(logo(QSize(200, 225)), "pictures/Logo.png");
    out.builtIn(betAdjuster(31), "pictures/PlusMinus.png");
    out.builtIn(betAdjuster(15), "pictures/PlusSmall.png");
}

// The program's icon comes in sizes of its own rather than in scaled sets.
void writeIcons(ArtworkWriter& out)
{
    for (const int edge : {32, 48, 64, 128, 256})
        out.builtIn(programIcon(edge), QStringLiteral("pictures/Icon%1.png").arg(edge));
}

void writeDigitsAndGlyphs(ArtworkWriter& out)
{
    const QColor red(255, 28, 16), redCore(255, 170, 140);
    const QColor yellow(255, 214, 0), yellowCore(255, 252, 200);
    out.builtIn(digitSheet(QSize(16, 21), 188, red, redCore), "pictures/DigitsSmall.png");
    out.builtIn(digitSheet(QSize(16, 21), 188, yellow, yellowCore), "pictures/GreenSmall.png");
    out.builtIn(digitSheet(QSize(32, 42), 376, red, redCore), "pictures/DigitsLarge.png");
    out.builtIn(digitSheet(QSize(32, 42), 376, yellow, yellowCore), "pictures/GreenLarge.png");

    out.builtIn(borrowGlyph(QStringLiteral("$1,000"), QColor(30, 70, 210)), "dialogs/Borrow1000.png");
    out.builtIn(borrowGlyph(QStringLiteral("$100"), QColor(210, 25, 30)), "dialogs/Borrow100.png");
    out.builtIn(borrowGlyph(QStringLiteral("$10"), QColor(20, 150, 40)), "dialogs/Borrow10.png");
    out.builtIn(borrowGlyph(QStringLiteral("$1"), QColor(30, 30, 34)), "dialogs/Borrow1.png");
}

void writeSounds(ArtworkWriter& out)
{
    for (const CueSound& cue : cueSounds())
        out.rawFile(waveFile(cue.samples, CueSampleRate), cue.fileName);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zantaro-assets OUTPUT_DIR RESOURCE_DIR\n");
        return 2;
    }
    if (!chartMatchesPayTable(zantaro::PayTable::Regular) ||
        !chartMatchesPayTable(zantaro::PayTable::FreeSpin)) {
        std::fprintf(stderr, "zantaro-assets: the payoff chart no longer matches the payoff tables\n");
        return 1;
    }
    const QDir outputDir(QString::fromLocal8Bit(argv[1]));
    const QDir resourceDir(QString::fromLocal8Bit(argv[2]));
    outputDir.mkpath(".");
    resourceDir.mkpath(".");

    ArtworkWriter out(outputDir, resourceDir);
    writeIcons(out);
    writeSounds(out);
    // Every picture at 1x under its own name, then the larger sets for high-density screens.
    for (int scale = 1; scale <= zantaro::LargestPictureScale; ++scale) {
        setDrawingScale(scale);
        writeMachineArtwork(out);
        writeControlArtwork(out);
        writeDigitsAndGlyphs(out);
        writePyramidPictures(out);
        writeCardGamePictures(out);
    }
    return out.allWritten() ? 0 : 1;
}
