// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel checks over a rectangle of an image.
#pragma once

#include <QImage>
#include <QRect>

namespace zantaro::testing {

inline bool allBlack(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0)
                return false;
    return true;
}

inline bool anyLit(const QImage& image, const QRect& rect)
{
    return !allBlack(image, rect);
}

inline bool sameArea(const QImage& a, const QImage& b, const QRect& rect)
{
    return a.copy(rect) == b.copy(rect);
}

// The rectangle of pixels in which two images of the same size differ; empty when equal.
inline QRect differenceBounds(const QImage& a, const QImage& b)
{
    QRect bounds;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace zantaro::testing
