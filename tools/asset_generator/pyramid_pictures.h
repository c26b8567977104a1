// Draws the Pyramid's closed and opened tiles and the glyph of its card-game button.
#pragma once

#include <QDir>

namespace zantaro::assets {

// Writes the Pyramid's pictures into the "pyramid" folder under the resource directory.
void writePyramidPictures(const QDir& resourceDir);

} // namespace zantaro::assets
