// SPDX-License-Identifier: GPL-3.0-or-later
#include "borrow_glyphs.h"

#include "paint_kit.h"

namespace zantaro::assets {

QImage borrowGlyph(const QString& amount, const QColor& color)
{
    QImage glyph = transparentCanvas(BorrowGlyphSize);
    QPainter painter(&glyph);
    smoothen(painter);
    const QRectF oval(1.5, 1.5, BorrowGlyphSize.width() - 3, BorrowGlyphSize.height() - 3);
    painter.setPen(QPen(QBrush(goldSheen(oval.topLeft(), oval.bottomLeft())), 2.5));
    painter.setBrush(domeShading(oval.center(), oval.width() * 0.55, color));
    painter.drawEllipse(oval);
    const QRectF letters =
        oval.adjusted(oval.width() * 0.14, oval.height() * 0.28, -oval.width() * 0.14, -oval.height() * 0.28);
    paintLettering(painter, amount, letters, QColor(255, 255, 255), QColor(0, 0, 0, 170), 2, true);
    return glyph;
}

} // namespace zantaro::assets
