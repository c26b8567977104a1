// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamp_bar.h"

#include "paint_kit.h"

#include <QRadialGradient>

namespace zantaro::assets {

namespace {

struct LampFace
{
    QColor color;
    QString label; // empty for a plain lamp; "X" is drawn as a cross
};

LampFace faceOf(int lamp)
{
    switch (lamp) {
    case 0:
        return {QColor(235, 30, 30), QStringLiteral("X")};
    case 2:
        return {QColor(40, 205, 60), QStringLiteral("2X")};
    case 4:
        return {QColor(50, 140, 255), QStringLiteral("FREE")};
    case 6:
        return {QColor(255, 190, 20), QStringLiteral("POOL")};
    default:
        return {QColor(255, 150, 40), QString()};
    }
}

void paintCross(QPainter& painter, const QRectF& box, const QColor& ink, const QColor& outline)
{
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    QPainterPath cross;
    cross.moveTo(square.topLeft());
    cross.lineTo(square.bottomRight());
    cross.moveTo(square.topRight());
    cross.lineTo(square.bottomLeft());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outline, side * 0.42, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(ink, side * 0.24, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
}

void paintLamp(QPainter& painter, const QRectF& cell, const LampFace& face, bool lit)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(chromeSheen(cell.topLeft(), cell.bottomLeft()));
    painter.drawRect(cell);
    painter.setBrush(QColor(12, 12, 16));
    const qreal rim = std::max<qreal>(1.5, cell.height() * 0.08);
    const QRectF socket = cell.adjusted(rim, rim, -rim, -rim);
    painter.drawRoundedRect(socket, socket.height() * 0.3, socket.height() * 0.3);

    const QRectF lens = socket.adjusted(1, 1, -1, -1);
    const QColor base = lit ? face.color : scaled(face.color, 0.3);
    QRadialGradient glow(lens.center(), lens.width() * 0.6, lens.center() - QPointF(0, lens.height() * 0.25));
    glow.setColorAt(0.0, lit ? scaled(base, 1.75) : scaled(base, 1.25));
    glow.setColorAt(0.55, base);
    glow.setColorAt(1.0, scaled(base, lit ? 0.6 : 0.7));
    painter.setBrush(glow);
    painter.drawRoundedRect(lens, lens.height() * 0.28, lens.height() * 0.28);
    if (lit) { // a gleam across the top of the glass
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawRoundedRect(QRectF(lens.left() + lens.width() * 0.12, lens.top() + 1, lens.width() * 0.76,
                                       lens.height() * 0.28),
                                lens.height() * 0.14, lens.height() * 0.14);
    }

    const QColor ink = lit ? QColor(255, 255, 255) : scaled(face.color, 0.55);
    const QColor outline = lit ? scaled(face.color, 0.3) : scaled(face.color, 0.15);
    const QRectF textBox =
        lens.adjusted(lens.width() * 0.1, lens.height() * 0.24, -lens.width() * 0.1, -lens.height() * 0.24);
    if (face.label == QLatin1String("X"))
        paintCross(painter, textBox.adjusted(0, -1, 0, 1), ink, outline);
    else if (!face.label.isEmpty())
        paintLettering(painter, face.label, textBox, ink, outline, std::max<qreal>(1.5, lens.height() * 0.12),
                       true);
}

} // namespace

QImage lampBar(int lampWidth, int lampHeight)
{
    QImage bar = canvas(QSize(LampCount * lampWidth, 2 * lampHeight), Qt::black);
    QPainter painter(&bar);
    smoothen(painter);
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        for (const bool lit : {true, false}) {
            const QRectF cell(lamp * lampWidth, lit ? 0 : lampHeight, lampWidth, lampHeight);
            painter.save();
            painter.setClipRect(cell);
            paintLamp(painter, cell, faceOf(lamp), lit);
            painter.restore();
        }
    }
    return bar;
}

} // namespace zantaro::assets
