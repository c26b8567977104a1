// SPDX-License-Identifier: GPL-3.0-or-later
// Copies pictures one device pixel to one device pixel on a painter whose device is scaled by a
// whole-number pixel ratio, so the raster engine copies rows instead of resampling them, and finds
// the device pixels under what the painter draws.
#pragma once

#include <QImage>
#include <QPainter>

namespace zantaro {

// The whole number of device pixels a pixel the painter draws covers across, when its edges also
// fall on device pixel edges; 0 otherwise.
int wholePixelRatio(const QPainter& painter);

// The device pixels under a rectangle the painter draws, partly covered ones included.
QRect devicePixels(const QPainter& painter, const QRect& rect);

// The device pixels a fill of a rectangle the painter draws covers: those whose middles lie inside
// it. Rectangles that meet cover pixels that meet.
QRect filledDevicePixels(const QPainter& painter, const QRect& rect);

// Copies `source` (pixels of `picture`) to `deviceTarget` (device pixels of the painter's device),
// within the painter's clip; one to one when the two are the same size.
void blitDevicePixels(QPainter& painter, const QRect& deviceTarget, const QImage& picture,
                      const QRectF& source);

} // namespace zantaro
