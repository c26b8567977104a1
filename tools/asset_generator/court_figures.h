// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the figures of the card game's pictures: the King, Queen and Jack for black and red suits
// (the Royal sheet) and the jester on the joker. Only card_game_pictures.cpp includes it.
#pragma once

#include "paint_kit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace zantaro::assets {

enum class Court
{
    King,
    Queen,
    Jack
};

inline constexpr int FigureWidth = 47;
inline constexpr int FigureHeight = 74;

namespace figures {

const QColor Ink(45, 30, 25);
const QColor Gold(232, 182, 40);
const QColor Skin(250, 214, 178);
const QColor Cream(255, 251, 236);

inline void drawCrown(QPainter& painter, double centre, Court court, const QColor& jewel)
{
    const double half = court == Court::King ? 7 : 5.5;
    const double top = court == Court::King ? 3 : 5;
    QPainterPath crown;
    crown.moveTo(centre - half, 11);
    crown.lineTo(centre - half, top + 2);
    crown.lineTo(centre - half / 2, top + 5);
    crown.lineTo(centre, top);
    crown.lineTo(centre + half / 2, top + 5);
    crown.lineTo(centre + half, top + 2);
    crown.lineTo(centre + half, 11);
    crown.closeSubpath();
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(Gold);
    painter.drawPath(crown);
    painter.setBrush(jewel);
    painter.drawEllipse(QPointF(centre, 9), 1.4, 1.4);
}

inline void drawCap(QPainter& painter, double centre, const QColor& cap)
{
    QPainterPath beret;
    beret.moveTo(centre - 8, 11);
    beret.cubicTo(centre - 7, 4, centre + 7, 3, centre + 8, 10);
    beret.closeSubpath();
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(cap);
    painter.drawPath(beret);
    painter.setPen(QPen(Gold, 1.2));
    painter.drawLine(QPointF(centre - 7.5, 10.5), QPointF(centre + 7.5, 10.5));
    QPainterPath feather;
    feather.moveTo(centre + 5, 7);
    feather.cubicTo(centre + 12, 3, centre + 4, 0, centre - 2, 1);
    painter.setPen(QPen(Qt::white, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(feather);
}

// The top half of a double-headed court figure, 47 by 37; the bottom half is this turned round.
inline void drawCourtHalf(QPainter& painter, Court court, bool redSuit)
{
    const QColor robe = redSuit ? QColor(195, 30, 40) : QColor(30, 55, 150);
    const QColor accent = redSuit ? QColor(30, 55, 150) : QColor(195, 30, 40);
    const double x = court == Court::King ? 27.5 : 19.5; // clear of the suit mark in the corner

    QPainterPath body;
    body.moveTo(x - 18, 38);
    body.cubicTo(x - 17, 29, x - 12, 24.5, x, 24.5);
    body.cubicTo(x + 12, 24.5, x + 17, 29, x + 18, 38);
    body.closeSubpath();
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(robe);
    painter.drawPath(body);
    QPainterPath panel;
    panel.moveTo(x - 8, 26);
    panel.lineTo(x, 38);
    panel.lineTo(x + 8, 26);
    panel.closeSubpath();
    painter.setBrush(accent);
    painter.drawPath(panel);
    painter.setPen(QPen(Gold, 1.5));
    painter.drawLine(QPointF(x - 8, 26.5), QPointF(x, 37.5));
    painter.drawLine(QPointF(x + 8, 26.5), QPointF(x, 37.5));
    painter.drawLine(QPointF(x - 13, 29), QPointF(x - 15, 38));
    painter.drawLine(QPointF(x + 13, 29), QPointF(x + 15, 38));

    if (court == Court::Queen) { // long golden hair falling to the shoulders
        QPainterPath hair;
        hair.moveTo(x - 6.5, 12);
        hair.cubicTo(x - 10, 18, x - 9, 24, x - 6, 27);
        hair.lineTo(x + 6, 27);
        hair.cubicTo(x + 9, 24, x + 10, 18, x + 6.5, 12);
        hair.closeSubpath();
        painter.setPen(QPen(Ink, 0.6));
        painter.setBrush(QColor(245, 200, 60));
        painter.drawPath(hair);
    }
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(Skin);
    painter.drawEllipse(QPointF(x, 17), 5.2, 6.2);
    if (court == Court::Jack) { // a brown bob
        painter.setBrush(QColor(130, 75, 35));
        painter.drawChord(QRectF(x - 6, 10, 12, 10), 0, 180 * 16);
    }
    if (court == Court::King) { // a white beard
        QPainterPath beard;
        beard.moveTo(x - 5.2, 18);
        beard.cubicTo(x - 5, 26, x + 5, 26, x + 5.2, 18);
        beard.cubicTo(x + 2, 21, x - 2, 21, x - 5.2, 18);
        painter.setBrush(QColor(240, 240, 240));
        painter.drawPath(beard);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(x - 2.1, 16), 0.8, 0.8);
    painter.drawEllipse(QPointF(x + 2.1, 16), 0.8, 0.8);
    painter.setPen(QPen(QColor(190, 40, 40), 0.9));
    painter.drawLine(QPointF(x - 1.3, 20.3), QPointF(x + 1.3, 20.3));

    if (court == Court::Jack)
        drawCap(painter, x, accent);
    else
        drawCrown(painter, x, court, accent);

    // What each holds: the King a sword, the Queen a flower, the Jack a halberd.
    painter.setPen(QPen(Ink, 0.8));
    if (court == Court::King) {
        painter.setBrush(QColor(205, 210, 220));
        painter.drawRect(QRectF(x + 12.5, 6, 2, 26));
        painter.setBrush(Gold);
        painter.drawRect(QRectF(x + 9.5, 28, 8, 2));
    } else if (court == Court::Queen) {
        painter.setPen(QPen(QColor(40, 130, 50), 1.2));
        painter.drawLine(QPointF(x + 13, 24), QPointF(x + 11, 36));
        painter.setPen(QPen(Ink, 0.6));
        painter.setBrush(accent);
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * std::numbers::pi / 5;
            painter.drawEllipse(QPointF(x + 13 + 2.2 * std::cos(angle), 22 + 2.2 * std::sin(angle)), 1.6,
                                1.6);
        }
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(x + 13, 22), 1.3, 1.3);
    } else {
        painter.setPen(QPen(QColor(120, 80, 40), 1.4));
        painter.drawLine(QPointF(x - 13, 4), QPointF(x - 13, 37));
        QPainterPath blade;
        blade.moveTo(x - 13, 1);
        blade.lineTo(x - 10.5, 6);
        blade.lineTo(x - 13, 8);
        blade.lineTo(x - 17, 6);
        blade.closeSubpath();
        painter.setPen(QPen(Ink, 0.6));
        painter.setBrush(QColor(205, 210, 220));
        painter.drawPath(blade);
    }
}

} // namespace figures

// One figure, 47 by 74: two halves turned against each other inside a thin gold frame. The
// frame's lines are filled rather than stroked, so each stays one design pixel wide at every
// drawing scale.
inline QImage courtFigure(Court court, bool redSuit)
{
    const int half = FigureHeight / 2;
    QImage top = canvas(QSize(FigureWidth, half), figures::Cream);
    QPainter halfPainter(&top);
    halfPainter.setRenderHint(QPainter::Antialiasing);
    figures::drawCourtHalf(halfPainter, court, redSuit);
    halfPainter.end();

    QImage figure = canvas(QSize(FigureWidth, FigureHeight), figures::Cream);
    QPainter painter(&figure);
    painter.drawImage(QPoint(0, 0), top);
    painter.drawImage(QPoint(0, half), top.mirrored(true, true));
    painter.fillRect(QRect(1, half, FigureWidth - 2, 1), figures::Gold.darker(130));
    const QColor frame(60, 60, 90);
    painter.fillRect(QRect(0, 0, FigureWidth, 1), frame);
    painter.fillRect(QRect(0, FigureHeight - 1, FigureWidth, 1), frame);
    painter.fillRect(QRect(0, 0, 1, FigureHeight), frame);
    painter.fillRect(QRect(FigureWidth - 1, 0, 1, FigureHeight), frame);
    return figure;
}

// The Royal sheet: King, Queen and Jack across, figures for black suits above those for red.
inline QImage courtFigures()
{
    QImage sheet = canvas(QSize(3 * FigureWidth, 2 * FigureHeight), figures::Cream);
    QPainter painter(&sheet);
    const Court order[] = {Court::King, Court::Queen, Court::Jack};
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 2; ++row)
            painter.drawImage(QPoint(column * FigureWidth, row * FigureHeight),
                              courtFigure(order[column], row == 1));
    }
    return sheet;
}

// The joker's jester in the given box: a belled three-pointed cap, a grinning face and a ruff.
inline void drawJester(QPainter& painter, const QRectF& box)
{
    const double x = box.center().x();
    const double top = box.top();
    painter.setPen(QPen(figures::Ink, 0.8));

    QPainterPath tunic;
    tunic.moveTo(x - 17, box.bottom());
    tunic.cubicTo(x - 16, top + 52, x - 10, top + 48, x, top + 48);
    tunic.cubicTo(x + 10, top + 48, x + 16, top + 52, x + 17, box.bottom());
    tunic.closeSubpath();
    painter.setBrush(QColor(40, 140, 60));
    painter.drawPath(tunic);
    painter.save();
    painter.setClipPath(tunic);
    painter.fillRect(QRectF(x, top + 40, 20, 40), QColor(200, 30, 40));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tunic);

    painter.setBrush(Qt::white);
    for (int frill = -3; frill <= 3; ++frill)
        painter.drawEllipse(QPointF(x + frill * 4.2, top + 47 + std::abs(frill) * -0.4), 3, 3.2);

    const QPointF tips[] = {{box.left() + 2, top + 12}, {x, top + 3}, {box.right() - 2, top + 12}};
    const QColor points[] = {QColor(200, 30, 40), QColor(40, 140, 60), QColor(120, 50, 160)};
    for (int point = 0; point < 3; ++point) {
        QPainterPath flap;
        flap.moveTo(x - 8, top + 28);
        flap.quadTo((x + tips[point].x()) / 2 - 3, top + 12, tips[point].x(), tips[point].y());
        flap.quadTo((x + tips[point].x()) / 2 + 3, top + 18, x + 8, top + 28);
        flap.closeSubpath();
        painter.setBrush(points[point]);
        painter.drawPath(flap);
    }
    painter.setBrush(figures::Gold);
    for (const QPointF& tip : tips)
        painter.drawEllipse(tip, 2.6, 2.6);
    painter.drawRoundedRect(QRectF(x - 9, top + 25, 18, 4), 1.5, 1.5);

    painter.setBrush(figures::Skin);
    painter.drawEllipse(QPointF(x, top + 37), 7.5, 8.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 130, 130));
    painter.drawEllipse(QPointF(x - 4.5, top + 39.5), 1.8, 1.4);
    painter.drawEllipse(QPointF(x + 4.5, top + 39.5), 1.8, 1.4);
    painter.setBrush(figures::Ink);
    painter.drawEllipse(QPointF(x - 2.8, top + 35), 1, 1.2);
    painter.drawEllipse(QPointF(x + 2.8, top + 35), 1, 1.2);
    painter.setPen(QPen(QColor(170, 30, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(x - 4, top + 37, 8, 5), 200 * 16, 140 * 16);
}

} // namespace zantaro::assets
