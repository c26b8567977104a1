// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine_face.h"

#include "game/paytable.h"
#include "paint_kit.h"

namespace zantaro::assets {

namespace {

// Every face is drawn in units that grow with its row step, so both sizes look alike.
qreal unitOf(const FaceLayout& layout)
{
    return layout.rowStep / 112.0;
}

QRectF reelPanel(const FaceLayout& layout)
{
    const qreal margin = 8 * unitOf(layout);
    return QRectF(layout.window(0).topLeft(), layout.window(8).bottomRight() + QPoint(1, 1))
        .adjusted(-margin, -margin, margin, margin);
}

void paintCabinet(QPainter& painter, const FaceLayout& layout)
{
    const qreal u = unitOf(layout);
    const QRectF body(0.5, 0.5, layout.width - 1, layout.height - 1);
    painter.setPen(QPen(QColor(40, 0, 0), 1));
    painter.setBrush(lacquer(QColor(176, 16, 26), 0, layout.height));
    painter.drawRoundedRect(body, 14 * u, 14 * u);

    QLinearGradient sheen(0, 0, layout.width, layout.height);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 60));
    sheen.setColorAt(0.25, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(body, 14 * u, 14 * u);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(goldSheen(QPointF(0, 0), QPointF(layout.width, layout.height))), 3 * u));
    painter.drawRoundedRect(body.adjusted(4 * u, 4 * u, -4 * u, -4 * u), 11 * u, 11 * u);
}

void paintMarquee(QPainter& painter, const FaceLayout& layout)
{
    const qreal u = unitOf(layout);
    const QRectF sign(16 * u, 9 * u, layout.width - 32 * u, reelPanel(layout).top() - 13 * u);
    paintFramedPanel(painter, sign, 6 * u, QColor(60, 10, 30), QColor(8, 0, 6),
                     goldSheen(sign.topLeft(), sign.bottomLeft()), 2 * u);

    // Chaser bulbs down both ends of the sign.
    const int bulbs = 3;
    for (int i = 0; i < bulbs; ++i) {
        const qreal y = sign.top() + sign.height() * (i + 1) / (bulbs + 1);
        for (const qreal x : {sign.left() + 7 * u, sign.right() - 7 * u}) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(
                bulbGlow(QPointF(x, y), 2.6 * u, i % 2 ? QColor(255, 220, 80) : QColor(255, 150, 40)));
            painter.drawEllipse(QPointF(x, y), 2.6 * u, 2.6 * u);
        }
    }
    const QRectF letters = sign.adjusted(22 * u, sign.height() * 0.2, -22 * u, -sign.height() * 0.2);
    const QPainterPath title = fittedText(QStringLiteral("ZANTARO"), letters);
    paintOutlined(painter, title.translated(1.2 * u, 1.2 * u), QColor(150, 0, 10), QColor(150, 0, 10), 2 * u);
    paintOutlined(painter, title, goldSheen(letters.topLeft(), letters.bottomLeft()), QColor(60, 20, 0),
                  1.4 * u);
}

void paintWheelWindows(QPainter& painter, const FaceLayout& layout)
{
    const qreal u = unitOf(layout);
    const QRectF panel = reelPanel(layout);
    paintFramedPanel(painter, panel, 6 * u, QColor(44, 44, 52), QColor(10, 10, 14),
                     chromeSheen(panel.topLeft(), panel.bottomRight()), 3 * u);

    // The bezel's colour varies only across, never down: while a stopped wheel bounces, a few of
    // its columns are copied up and down along with the symbol.
    const int bezel = qRound(5 * u);
    for (int wheel = 0; wheel < 9; ++wheel) {
        const QRect window = layout.window(wheel);
        const QRect frame = window.adjusted(-bezel, -bezel, bezel, bezel);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(20, 20, 24));
        painter.setBrush(chromeSheen(frame.topLeft(), frame.topRight()));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(60, 60, 70));
        painter.setBrush(Qt::white);
        painter.drawRect(window.adjusted(-1, -1, 0, 0));
        painter.fillRect(window, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing, true);
    }
}

void paintBadge(QPainter& painter, QPointF centre, qreal radius, int line)
{
    const LineColour& badge = PaylineColours[static_cast<std::size_t>(line - 1)];
    const QColor color(badge.red, badge.green, badge.blue);
    painter.setPen(QPen(QColor(255, 244, 200), radius * 0.16));
    painter.setBrush(domeShading(centre, radius, color));
    painter.drawEllipse(centre, radius, radius);
    const qreal digit = radius * 0.62;
    paintLettering(painter, QString::number(line),
                   QRectF(centre.x() - digit, centre.y() - digit, 2 * digit, 2 * digit), QColor(20, 10, 10),
                   QColor(255, 255, 255, 180), radius * 0.12);
}

// Each payline is marked where it starts and ends: rows at both sides, columns below, the two
// diagonals at the corners they run between.
void paintPaylineMarkers(QPainter& painter, const FaceLayout& layout)
{
    const qreal u = unitOf(layout);
    const QRectF panel = reelPanel(layout);
    const qreal radius = 8 * u;
    const qreal leftX = panel.left() / 2;
    const qreal rightX = (layout.width + panel.right()) / 2;
    const qreal topY = panel.top() + radius + 2 * u;
    const qreal bottomY = panel.bottom() - radius - 2 * u;
    for (int row = 0; row < 3; ++row) {
        const qreal y = layout.window(row * 3).center().y() + 0.5;
        paintBadge(painter, QPointF(leftX, y), radius, row + 1);
        paintBadge(painter, QPointF(rightX, y), radius, row + 1);
    }
    const qreal columnY = (panel.bottom() + layout.height - 4 * u) / 2;
    for (int column = 0; column < 3; ++column)
        paintBadge(painter, QPointF(layout.window(column).center().x() + 0.5, columnY), radius, column + 4);
    paintBadge(painter, QPointF(leftX, topY), radius, 7);
    paintBadge(painter, QPointF(rightX, bottomY), radius, 7);
    paintBadge(painter, QPointF(leftX, bottomY), radius, 8);
    paintBadge(painter, QPointF(rightX, topY), radius, 8);
}

} // namespace

QImage machineFace(const FaceLayout& layout)
{
    QImage face = canvas(QSize(layout.width, layout.height), Qt::black);
    QPainter painter(&face);
    smoothen(painter);
    paintCabinet(painter, layout);
    paintMarquee(painter, layout);
    paintWheelWindows(painter, layout);
    paintPaylineMarkers(painter, layout);
    return face;
}

} // namespace zantaro::assets
