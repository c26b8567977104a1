// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_pixels.h"

#include <cmath>

namespace zantaro {

namespace {

bool isWhole(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-6;
}

} // namespace

int wholePixelRatio(const QPainter& painter)
{
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale || toDevice.m11() != toDevice.m22() ||
        !isWhole(toDevice.m11()) || !isWhole(toDevice.dx()) || !isWhole(toDevice.dy()))
        return 0;
    return qRound(toDevice.m11());
}

QRect devicePixels(const QPainter& painter, const QRect& rect)
{
    return painter.deviceTransform().mapRect(QRectF(rect)).toAlignedRect();
}

QRect filledDevicePixels(const QPainter& painter, const QRect& rect)
{
    const QRectF device = painter.deviceTransform().mapRect(QRectF(rect));
    const auto first = [](qreal edge) { return static_cast<int>(std::ceil(edge - 0.5)); };
    return QRect(QPoint(first(device.left()), first(device.top())),
                 QPoint(first(device.right()) - 1, first(device.bottom()) - 1));
}

// Qt's raster engine resamples every scaled copy pixel by pixel, except at a ratio of exactly 2.
// Undoing the device's scale makes the copy a plain one, so a spinning wheel costs row copies only.
void blitDevicePixels(QPainter& painter, const QRect& deviceTarget, const QImage& picture,
                      const QRectF& source)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    // The target's size is given, so a pixel ratio the picture carries does not shrink it.
    painter.drawImage(QRectF(deviceTarget), picture, source);
    painter.restore();
}

} // namespace zantaro
