// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_pixels.h"

#include <QScreen>
#include <QWidget>

namespace zantaro {

QRect screenPixelRect(const QWidget& widget, const QRect& area)
{
    const QScreen* screen = widget.screen();
    const QPointF origin = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
    const qreal ratio = widget.devicePixelRatioF();
    const QPointF topLeft = (QPointF(widget.mapToGlobal(area.topLeft())) - origin) * ratio + origin;
    return QRectF(topLeft, QSizeF(area.size()) * ratio).toRect();
}

} // namespace zantaro
