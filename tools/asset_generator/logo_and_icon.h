// SPDX-License-Identifier: GPL-3.0-or-later
// The product's logo beside the machine and the program's icon.
#pragma once

#include <QImage>

namespace zantaro::assets {

// "ZANTARO" over a lit reel window with a red seven, "SLOTS" below, on black.
QImage logo(QSize size);

// A square icon of `edge` pixels with transparent corners: a seven in a reel window on a red,
// gold-trimmed tile.
QImage programIcon(int edge);

} // namespace zantaro::assets
