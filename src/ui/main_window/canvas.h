// SPDX-License-Identifier: GPL-3.0-or-later
// Canvas: where the machine painter draws - the window's own pixels, or nowhere while they cannot
// be shown - in the layout's pixels, and CanvasPainter, a painter on it for one drawing step.
#pragma once

#include <QImage>
#include <QPainter>
#include <QTransform>

namespace zantaro {

class Canvas
{
public:
    virtual ~Canvas() = default;
    // The device to draw on now, or null when nothing drawn now could be seen. Each call is
    // followed by one endDrawing().
    virtual QPaintDevice* beginDrawing() = 0;
    virtual void endDrawing() = 0;
    // Where layout pixels lie on the device, in its logical pixels.
    virtual QTransform view() const = 0;
    // The whole drawing area, in layout pixels; it may reach past the layout on every side.
    virtual QRect bounds() const = 0;
    // A drawing step touched this rectangle, in layout pixels: it is to be shown.
    virtual void touched(const QRect& rect) = 0;
};

// Draws in layout pixels. On a canvas with no device the steps paint into a scratch pixel, so
// every step runs alike and reports what it touched whether or not it can be seen.
class CanvasPainter : public QPainter
{
public:
    explicit CanvasPainter(Canvas& canvas);
    ~CanvasPainter();
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;

    // A copy of the device pixels under `pixels`; null where the device keeps no pixels.
    QImage copyPixels(const QRect& pixels) const;

private:
    Canvas& m_canvas;
    QImage m_scratch;
};

} // namespace zantaro
