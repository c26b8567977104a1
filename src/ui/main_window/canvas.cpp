// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

namespace zantaro {

CanvasPainter::CanvasPainter(Canvas& canvas) : m_canvas(canvas)
{
    QPaintDevice* device = m_canvas.beginDrawing();
    if (!device) {
        m_scratch = QImage(1, 1, QImage::Format_RGB32);
        device = &m_scratch;
    }
    begin(device);
    setWorldTransform(m_canvas.view());
}

CanvasPainter::~CanvasPainter()
{
    if (isActive()) // a step may have ended its painter early to open another
        end();
    m_canvas.endDrawing();
}

QImage CanvasPainter::copyPixels(const QRect& pixels) const
{
    if (device() == &m_scratch || device()->devType() != QInternal::Image)
        return {};
    return static_cast<const QImage*>(device())->copy(pixels);
}

} // namespace zantaro
