// SPDX-License-Identifier: GPL-3.0-or-later
// The symbols that are emblems rather than fruit: Wild star, seven, bars, diamond, faint blank.
#include "paint_kit.h"
#include "symbol_shapes.h"

#include <QRadialGradient>
#include <QtMath>

namespace zantaro::assets {

namespace {

const QColor Ink(40, 20, 6);

QPainterPath star(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + point * 36.0);
        const QPointF corner = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (point == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

} // namespace

void paintWild(QPainter& painter)
{
    const QPointF centre(50, 53);
    QRadialGradient glow(centre, 46, QPointF(44, 40));
    glow.setColorAt(0.0, QColor(255, 252, 200));
    glow.setColorAt(0.45, QColor(255, 204, 40));
    glow.setColorAt(1.0, QColor(206, 120, 0));
    paintOutlined(painter, star(centre, 45, 20), glow, Ink, 4);

    const QRectF ribbon(6, 44, 88, 22);
    QPainterPath banner;
    banner.addRoundedRect(ribbon, 5, 5);
    paintOutlined(painter, banner, lacquer(QColor(200, 16, 30), ribbon.top(), ribbon.bottom()), Ink, 3);
    paintLettering(painter, QStringLiteral("WILD"), ribbon.adjusted(9, 5, -9, -5), QColor(255, 250, 230),
                   QColor(90, 0, 0), 2.5);
}

void paintSeven(QPainter& painter)
{
    QPainterPath seven;
    seven.moveTo(16, 12);
    seven.lineTo(86, 12);
    seven.lineTo(86, 27);
    seven.cubicTo(70, 44, 60, 62, 58, 88);
    seven.lineTo(35, 88);
    seven.cubicTo(38, 64, 50, 44, 64, 29);
    seven.lineTo(29, 29);
    seven.lineTo(27, 36);
    seven.lineTo(16, 36);
    seven.closeSubpath();

    painter.setPen(QPen(Ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(seven);
    painter.setPen(QPen(QBrush(goldSheen(QPointF(0, 8), QPointF(0, 92))), 5, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(seven);
    QLinearGradient red(0, 12, 0, 88);
    red.setColorAt(0.0, QColor(255, 90, 80));
    red.setColorAt(0.35, QColor(228, 16, 24));
    red.setColorAt(1.0, QColor(130, 0, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawPath(seven);

    painter.setBrush(QColor(255, 255, 255, 110)); // gloss along the top bar
    painter.drawRoundedRect(QRectF(22, 15, 58, 5), 2.5, 2.5);
}

void paintBars(QPainter& painter, int count, const QColor& barColor)
{
    constexpr qreal barHeight = 24;
    constexpr qreal gap = 5;
    const qreal stackHeight = count * barHeight + (count - 1) * gap;
    qreal top = 50 - stackHeight / 2;
    for (int bar = 0; bar < count; ++bar, top += barHeight + gap) {
        const QRectF plate(7, top, 86, barHeight);
        QPainterPath outline;
        outline.addRoundedRect(plate, 6, 6);
        paintOutlined(painter, outline, lacquer(barColor, plate.top(), plate.bottom()), QColor(0, 0, 0), 3);
        painter.setPen(QPen(QBrush(goldSheen(plate.topLeft(), plate.bottomLeft())), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plate.adjusted(3, 3, -3, -3), 4, 4);
        paintLettering(painter, QStringLiteral("BAR"), plate.adjusted(15, 5.5, -15, -5.5),
                       QBrush(goldSheen(QPointF(0, plate.top() + 6), QPointF(0, plate.bottom() - 6))),
                       QColor(0, 0, 0), 2);
    }
}

void paintDiamond(QPainter& painter)
{
    const QPointF crownLeft(10, 38), crownRight(90, 38), tableLeft(30, 16), tableRight(70, 16), tip(50, 90);
    const QPointF tableMid(50, 38);
    const auto facet = [&painter](std::initializer_list<QPointF> corners, const QColor& color) {
        QPolygonF polygon;
        for (const QPointF& corner : corners)
            polygon << corner;
        painter.setPen(QPen(QColor(10, 30, 90), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(color);
        painter.drawPolygon(polygon);
    };
    facet({crownLeft, tableLeft, QPointF(38, 38)}, QColor(120, 190, 255));
    facet({tableLeft, tableRight, QPointF(62, 38), QPointF(38, 38)}, QColor(200, 235, 255));
    facet({tableRight, crownRight, QPointF(62, 38)}, QColor(60, 140, 235));
    facet({crownLeft, QPointF(38, 38), tip}, QColor(40, 110, 220));
    facet({QPointF(38, 38), tableMid, QPointF(62, 38), tip}, QColor(90, 170, 255));
    facet({QPointF(62, 38), crownRight, tip}, QColor(20, 70, 170));

    QPainterPath outline;
    outline.addPolygon(QPolygonF{crownLeft, tableLeft, tableRight, crownRight, tip, crownLeft});
    painter.setPen(QPen(QColor(8, 20, 70), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(34, 21), QPointF(46, 21)); // sparkle on the table
}

void paintFaintPattern(QPainter& painter)
{
    // Small diamonds a shade off white: the second blank is a blank all the same, only not
    // quite the same as the first.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 236, 240));
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QPointF centre(10 + column * 20 + (row % 2) * 10, 10 + row * 20);
            if (centre.x() > 95)
                continue;
            painter.drawPolygon(QPolygonF{centre + QPointF(0, -3), centre + QPointF(3, 0),
                                          centre + QPointF(0, 3), centre + QPointF(-3, 0)});
        }
    }
}

} // namespace zantaro::assets
