// SPDX-License-Identifier: GPL-3.0-or-later
// Copies pictures one device pixel to one device pixel on a painter whose device is scaled by a
// whole-number pixel ratio, so the raster engine copies rows instead of resampling them.
#pragma once

#include <QImage>
#include <QPainter>

namespace zantaro {

// True when a logical pixel covers a whole number of device pixels on the painter's device.
bool hasWholePixelRatio(const QPainter& painter);

// Copies `source` (device pixels of `picture`) to `deviceTopLeft` (device pixels of the painter's
// device), within the painter's clip.
void blitDevicePixels(QPainter& painter, QPoint deviceTopLeft, const QImage& picture, const QRect& source);

} // namespace zantaro
