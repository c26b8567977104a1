// SPDX-License-Identifier: GPL-3.0-or-later
// WindowView: where the drawn layout stands in the main window - centred, at its own size in a
// window, as large as fits when the window fills the screen - and the mapping between layout
// pixels and the window's pixels for drawing, the child controls and input.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

namespace zantaro {

class WindowView
{
public:
    // Layout pixels are the window's pixels.
    WindowView() = default;

    // The layout centred in the window, at its own size or, with `fill`, at the largest scale at
    // which it fits. Unscaled, it is offset by whole pixels that are whole device pixels too where
    // such an offset lies near the centre, so every copy lands on the device pixel grid as it does
    // at the window's origin; scaled, its origin lies on a device pixel.
    static WindowView centred(QSize layout, QSize window, qreal devicePixelRatio, bool fill);

    QPointF offset() const { return m_offset; }
    qreal scale() const { return m_scale; }
    // Layout pixels to the window's pixels.
    QTransform transform() const;
    // A layout rectangle in the window, its edges rounded to the window's pixels, so rectangles
    // that meet in the layout meet in the window.
    QRect toWindow(const QRect& layout) const;
    // The layout pixel under a point of the window.
    QPoint toLayout(QPointF window) const;

    bool operator==(const WindowView&) const = default;

private:
    WindowView(QPointF offset, qreal scale) : m_offset(offset), m_scale(scale) {}

    QPointF m_offset;
    qreal m_scale = 1.0;
};

} // namespace zantaro
