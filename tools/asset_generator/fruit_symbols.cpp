// SPDX-License-Identifier: GPL-3.0-or-later
// The fruit symbols and the bell: melon slice, golden bell, green apple, grapes, cherries.
#include "paint_kit.h"
#include "symbol_shapes.h"

#include <QRadialGradient>

namespace zantaro::assets {

namespace {

// A round fruit lit from the upper left, with a dark rim and a small gleam.
void paintBerry(QPainter& painter, QPointF centre, qreal radius, const QColor& base)
{
    painter.setPen(QPen(scaled(base, 0.3), 2.2));
    painter.setBrush(domeShading(centre, radius, base));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.42), radius * 0.24, radius * 0.17);
}

void paintLeaf(QPainter& painter, QPointF base, QPointF tip, qreal width)
{
    const QPointF along = tip - base;
    const QPointF across(-along.y() * width, along.x() * width);
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.quadTo(base + along * 0.5 + across, tip);
    leaf.quadTo(base + along * 0.5 - across, base);
    QLinearGradient green(base, tip);
    green.setColorAt(0.0, QColor(40, 140, 30));
    green.setColorAt(1.0, QColor(120, 210, 60));
    paintOutlined(painter, leaf, green, QColor(10, 60, 10), 2);
    painter.setPen(QPen(QColor(20, 90, 20), 1));
    painter.drawLine(base, base + along * 0.85);
}

void paintStem(QPainter& painter, const QPainterPath& stem, const QColor& color, qreal width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(scaled(color, 0.4), width + 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
}

} // namespace

void paintMelon(QPainter& painter)
{
    // A slice with the cut face up, tilted a little for life.
    painter.save();
    painter.translate(50, 34);
    painter.rotate(-12);
    const auto halfDisc = [](qreal rx, qreal ry) {
        QPainterPath path;
        path.moveTo(-rx, 0);
        path.arcTo(QRectF(-rx, -ry, 2 * rx, 2 * ry), 180, 180);
        path.closeSubpath();
        return path;
    };
    paintOutlined(painter, halfDisc(45, 54), QColor(24, 110, 30), QColor(6, 48, 10), 3.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 215, 90));
    painter.drawPath(halfDisc(40.5, 49.5));
    painter.setBrush(QColor(246, 250, 220));
    painter.drawPath(halfDisc(38, 47));
    QRadialGradient flesh(QPointF(0, 0), 46, QPointF(-8, 6));
    flesh.setColorAt(0.0, QColor(255, 110, 110));
    flesh.setColorAt(0.7, QColor(232, 30, 50));
    flesh.setColorAt(1.0, QColor(190, 10, 34));
    painter.setBrush(flesh);
    painter.drawPath(halfDisc(35, 44));
    painter.setBrush(QColor(20, 10, 10));
    const QPointF seeds[] = {{-20, 10}, {-6, 14}, {8, 12}, {21, 9}, {-13, 25}, {2, 28}, {15, 23}, {-3, 40}};
    for (const QPointF& seed : seeds)
        painter.drawEllipse(seed, 2.4, 3.6);
    painter.restore();
}

void paintBell(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(50, 14);
    body.cubicTo(30, 14, 25, 32, 25, 50);
    body.cubicTo(25, 63, 19, 70, 11, 76);
    body.lineTo(89, 76);
    body.cubicTo(81, 70, 75, 63, 75, 50);
    body.cubicTo(75, 32, 70, 14, 50, 14);
    body.closeSubpath();
    const QColor outline(80, 44, 0);
    painter.setPen(QPen(outline, 2.5));
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QPointF(50, 10), 6, 6);
    painter.drawEllipse(QPointF(50, 85), 8, 8); // the clapper, behind the rim
    paintOutlined(painter, body, goldSheen(QPointF(14, 0), QPointF(90, 0)), outline, 4);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(8, 72, 84, 10), 5, 5);
    paintOutlined(painter, rim, goldSheen(QPointF(8, 0), QPointF(92, 0)), outline, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawRoundedRect(QRectF(33, 26, 6, 36), 3, 3);
}

void paintApple(QPainter& painter)
{
    QPainterPath apple;
    apple.moveTo(50, 30);
    apple.cubicTo(40, 20, 12, 20, 12, 52);
    apple.cubicTo(12, 76, 32, 94, 50, 87);
    apple.cubicTo(68, 94, 88, 76, 88, 52);
    apple.cubicTo(88, 20, 60, 20, 50, 30);
    apple.closeSubpath();
    QPainterPath stem;
    stem.moveTo(50, 32);
    stem.quadTo(49, 20, 55, 9);
    paintStem(painter, stem, QColor(120, 70, 20), 4);
    QRadialGradient shading(QPointF(50, 56), 44, QPointF(34, 42));
    shading.setColorAt(0.0, QColor(236, 255, 150));
    shading.setColorAt(0.45, QColor(120, 210, 40));
    shading.setColorAt(1.0, QColor(40, 120, 10));
    paintOutlined(painter, apple, shading, QColor(20, 70, 6), 4);
    paintLeaf(painter, QPointF(55, 17), QPointF(82, 9), 0.28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawEllipse(QPointF(30, 46), 6, 10);
}

void paintGrapes(QPainter& painter)
{
    QPainterPath stem;
    stem.moveTo(50, 27);
    stem.quadTo(48, 14, 40, 7);
    paintStem(painter, stem, QColor(110, 70, 30), 4);
    paintLeaf(painter, QPointF(52, 20), QPointF(84, 12), 0.3);
    const QColor purple(120, 40, 170);
    constexpr qreal radius = 10;
    const int perRow[] = {4, 3, 3, 2, 1};
    for (int row = 0; row < 5; ++row) {
        const qreal y = 32 + row * 13.5;
        const qreal left = 50 - (perRow[row] - 1) * 9;
        for (int berry = 0; berry < perRow[row]; ++berry)
            paintBerry(painter, QPointF(left + berry * 18, y), radius, purple);
    }
}

void paintCherries(QPainter& painter)
{
    QPainterPath stems;
    stems.moveTo(28, 64);
    stems.cubicTo(32, 40, 46, 22, 62, 12);
    stems.moveTo(68, 70);
    stems.cubicTo(66, 44, 64, 28, 62, 12);
    paintStem(painter, stems, QColor(60, 150, 40), 3.5);
    paintLeaf(painter, QPointF(62, 13), QPointF(88, 24), 0.3);
    const QColor red(214, 10, 30);
    paintBerry(painter, QPointF(28, 72), 18, red);
    paintBerry(painter, QPointF(68, 76), 18, red);
}

} // namespace zantaro::assets
