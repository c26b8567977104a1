// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the card game's pictures: card face, mask, back, joker, court figures, suit marks and
// rank signs, and the glyph of its Pyramid button.
#pragma once

#include "artwork_writer.h"

namespace zantaro::assets {

// Writes the card game's pictures as built-in pictures under "card_game/", at the drawing scale
// (the larger sets named "@2x" and "@3x").
void writeCardGamePictures(ArtworkWriter& out);

} // namespace zantaro::assets
