// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit_sheets.h"

#include "paint_kit.h"
#include "palette_reduction.h"

#include <QPainterPath>

namespace zantaro::assets {

namespace {

// Segment layout in a 16 x 21 cell, scaled to the real cell.
constexpr qreal DesignWidth = 16;
constexpr qreal DesignHeight = 21;
constexpr qreal Left = 3, Right = 13, Top = 2.5, Middle = 10.5, Bottom = 18.5;
constexpr qreal Thickness = 2.9, Gap = 0.5;

// Segments a to g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr unsigned char SegmentsOf[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

QPolygonF horizontalSegment(qreal x1, qreal x2, qreal y, qreal t)
{
    return {{x1, y}, {x1 + t / 2, y - t / 2}, {x2 - t / 2, y - t / 2},
            {x2, y}, {x2 - t / 2, y + t / 2}, {x1 + t / 2, y + t / 2}};
}

QPolygonF verticalSegment(qreal x, qreal y1, qreal y2, qreal t)
{
    return {{x, y1}, {x + t / 2, y1 + t / 2}, {x + t / 2, y2 - t / 2},
            {x, y2}, {x - t / 2, y2 - t / 2}, {x - t / 2, y1 + t / 2}};
}

QPainterPath segments(unsigned char mask, qreal t)
{
    const QPolygonF shapes[7] = {
        horizontalSegment(Left + Gap, Right - Gap, Top, t),
        verticalSegment(Right, Top + Gap, Middle - Gap, t),
        verticalSegment(Right, Middle + Gap, Bottom - Gap, t),
        horizontalSegment(Left + Gap, Right - Gap, Bottom, t),
        verticalSegment(Left, Middle + Gap, Bottom - Gap, t),
        verticalSegment(Left, Top + Gap, Middle - Gap, t),
        horizontalSegment(Left + Gap, Right - Gap, Middle, t),
    };
    QPainterPath path;
    for (int segment = 0; segment < 7; ++segment) {
        if (mask & (1u << segment)) {
            path.addPolygon(shapes[segment]);
            path.closeSubpath();
        }
    }
    return path;
}

// Black, a ramp up to the lit colour, and a short ramp on to the core: every antialiased pixel
// of a segment lies on one of the two ramps.
QList<QRgb> lampPalette(const QColor& lit, const QColor& core)
{
    const auto mix = [](const QColor& from, const QColor& to, qreal share) {
        return qRgb(qRound(from.red() + (to.red() - from.red()) * share),
                    qRound(from.green() + (to.green() - from.green()) * share),
                    qRound(from.blue() + (to.blue() - from.blue()) * share));
    };
    QList<QRgb> palette;
    constexpr int toLit = 11;
    for (int step = 0; step <= toLit; ++step)
        palette.append(mix(Qt::black, lit, qreal(step) / toLit));
    for (int step = 1; step <= 4; ++step)
        palette.append(mix(lit, core, step / 4.0));
    return palette;
}

void paintDigit(QPainter& painter, unsigned char mask, const QColor& lit, const QColor& core)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit);
    painter.drawPath(segments(mask, Thickness));
    painter.setBrush(core);
    painter.drawPath(segments(mask, Thickness * 0.4));
}

} // namespace

QImage digitSheet(QSize cell, int sheetWidth, const QColor& lit, const QColor& core)
{
    QImage sheet = canvas(QSize(sheetWidth, cell.height()), Qt::black);
    QPainter painter(&sheet);
    smoothen(painter);
    const qreal scaleX = cell.width() / DesignWidth;
    const qreal scaleY = cell.height() / DesignHeight;
    const auto placeAt = [&](qreal x) {
        QTransform transform;
        transform.translate(x, 0);
        transform.scale(scaleX, scaleY);
        transform.translate(0, Middle);
        transform.shear(-0.1, 0); // the slight lean of lamp digits
        transform.translate(0, -Middle);
        painter.setTransform(transform);
    };
    for (int digit = 0; digit < 10; ++digit) {
        placeAt(digit * cell.width());
        paintDigit(painter, SegmentsOf[digit], lit, core);
    }
    // Cell 10 stays blank; "." and ":" share the rest.
    const int marksLeft = 11 * cell.width();
    const qreal markWidth = (sheetWidth - marksLeft) / 2.0;
    const qreal dot = Thickness * 0.6;
    painter.resetTransform();
    painter.scale(scaleX, scaleY);
    painter.setPen(Qt::NoPen);
    const qreal periodX = (marksLeft + markWidth / 2) / scaleX;
    const qreal colonX = (marksLeft + markWidth * 1.5) / scaleX;
    for (const QPointF& at : {QPointF(periodX, Bottom), QPointF(colonX, 7), QPointF(colonX, 14)}) {
        painter.setBrush(lit);
        painter.drawEllipse(at, dot, dot);
        painter.setBrush(core);
        painter.drawEllipse(at, dot * 0.4, dot * 0.4);
    }
    painter.end();
    return reducedToPalette(sheet, lampPalette(lit, core));
}

} // namespace zantaro::assets
