// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the Pyramid's closed and opened tiles and the glyph of its card-game button.
#pragma once

#include "artwork_writer.h"

#include <QColor>
#include <QRect>

class QPainter;

namespace zantaro::assets {

// Writes the Pyramid's pictures as built-in pictures under "pyramid/", at the drawing scale (the
// larger sets named "@2x" and "@3x").
void writePyramidPictures(ArtworkWriter& out);

// A square tile of the base colour with a raised, bevelled edge: light above and to the left,
// shaded below and to the right. The card game's Pyramid glyph is built of the same tiles.
void drawBevelledTile(QPainter& painter, const QRect& tile, const QColor& base, int bevel);

} // namespace zantaro::assets
