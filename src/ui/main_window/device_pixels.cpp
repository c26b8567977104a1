// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_pixels.h"

#include <cmath>

namespace zantaro {

bool hasWholePixelRatio(const QPainter& painter)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    return ratio == std::round(ratio);
}

// Qt's raster engine resamples every scaled copy pixel by pixel, except at a ratio of exactly 2.
// Undoing the device's scale makes the copy a plain one, so a spinning wheel costs row copies only.
void blitDevicePixels(QPainter& painter, QPoint deviceTopLeft, const QImage& picture, const QRect& source)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    // The target's size is given, so a pixel ratio the picture carries does not shrink it.
    painter.drawImage(QRect(deviceTopLeft, source.size()), picture, source);
    painter.restore();
}

} // namespace zantaro
