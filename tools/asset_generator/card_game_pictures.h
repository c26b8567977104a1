// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the card game's pictures: card face, mask, back, joker, court figures, suit marks and
// rank signs, and the glyph of its Pyramid button.
#pragma once

#include <QDir>

namespace zantaro::assets {

// Writes the card game's pictures into the "card_game" folder under the resource directory, at the
// drawing scale (the larger sets named "@2x" and "@3x").
void writeCardGamePictures(const QDir& resourceDir);

} // namespace zantaro::assets
