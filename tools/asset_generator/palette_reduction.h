// SPDX-License-Identifier: GPL-3.0-or-later
// Reduces full-colour pictures to the small palettes of the 256-colour set and the digit sheets.
#pragma once

#include <QImage>
#include <QList>

namespace zantaro::assets {

// An 8-bit indexed copy with a 256-entry palette made for this picture: its most common colours
// kept exactly (flat areas such as the white wheel windows stay flat), the rest found by median
// cut, gradients dithered.
QImage reducedTo256Colours(const QImage& picture);

// An 8-bit indexed copy whose colour table is `palette`, each pixel the nearest entry.
QImage reducedToPalette(const QImage& picture, const QList<QRgb>& palette);

} // namespace zantaro::assets
