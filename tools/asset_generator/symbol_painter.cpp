// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbol_painter.h"

#include "symbol_shapes.h"

namespace zantaro::assets {

void paintSymbol(QPainter& painter, int code, const QRectF& cell)
{
    painter.save();
    painter.translate(cell.topLeft());
    painter.scale(cell.width() / 100.0, cell.height() / 100.0);
    switch (code) {
    case 0:
        paintWild(painter);
        break;
    case 1:
        paintSeven(painter);
        break;
    case 2:
        paintMelon(painter);
        break;
    case 3:
        paintBell(painter);
        break;
    case 4:
        paintApple(painter);
        break;
    case 5:
        paintGrapes(painter);
        break;
    case 6:
        paintDiamond(painter);
        break;
    case 7:
        paintCherries(painter);
        break;
    case 8:
        paintBars(painter, 3, QColor(28, 28, 34));
        break;
    case 9:
        paintBars(painter, 2, QColor(22, 46, 140));
        break;
    case 11:
        paintFaintPattern(painter);
        break;
    default:
        break; // code 10: the plain blank
    }
    painter.restore();
}

} // namespace zantaro::assets
