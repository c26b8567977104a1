// SPDX-License-Identifier: GPL-3.0-or-later
#include "bonus_icons.h"

#include "paint_kit.h"
#include "symbol_painter.h"

#include <QRadialGradient>

namespace zantaro::assets {

namespace {

constexpr int MelonSymbol = 2;
constexpr int AppleSymbol = 4;
constexpr int GrapeSymbol = 5;

void paintLightningBolt(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    QRadialGradient halo(QPointF(50, 50), 50);
    halo.setColorAt(0.0, QColor(255, 230, 80, 150));
    halo.setColorAt(1.0, QColor(255, 200, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(50, 50), 50, 50);
    const QPolygonF bolt{{60, 3}, {20, 56}, {45, 56}, {33, 97}, {82, 38}, {56, 38}, {72, 3}};
    QPainterPath path;
    path.addPolygon(bolt);
    path.closeSubpath();
    QLinearGradient fire(0, 0, 100, 100);
    fire.setColorAt(0.0, QColor(255, 255, 210));
    fire.setColorAt(0.5, QColor(255, 220, 30));
    fire.setColorAt(1.0, QColor(255, 140, 0));
    paintOutlined(painter, path, fire, QColor(190, 70, 0), 5);
    painter.restore();
}

} // namespace

QImage bonusIcons(int edge)
{
    QImage icons = canvas(QSize(edge, 4 * edge), Qt::black);
    QPainter painter(&icons);
    smoothen(painter);
    paintLightningBolt(painter, QRectF(0, 0, edge, edge));
    const int fruits[] = {MelonSymbol, AppleSymbol, GrapeSymbol};
    for (int i = 0; i < 3; ++i)
        paintSymbol(painter, fruits[i], QRectF(0, (i + 1) * edge, edge, edge));
    return icons;
}

} // namespace zantaro::assets
