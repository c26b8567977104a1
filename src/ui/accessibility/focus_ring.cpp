// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_ring.h"

#include <QPainter>
#include <QPainterPath>

namespace zantaro {

namespace {

void fillFrame(QPainter& painter, const QRectF& outer, qreal width, const QColor& colour)
{
    QPainterPath frame;
    frame.setFillRule(Qt::OddEvenFill);
    frame.addRect(outer);
    frame.addRect(outer.adjusted(width, width, -width, -width));
    painter.fillPath(frame, colour);
}

} // namespace

void paintFocusRing(QPainter& painter, const QRect& outer)
{
    const QRectF band(outer);
    fillFrame(painter, band, FocusRingWidth, QColor(255, 255, 0));
    fillFrame(painter, band.adjusted(FocusRingWidth, FocusRingWidth, -FocusRingWidth, -FocusRingWidth), 1,
              Qt::black);
}

} // namespace zantaro
