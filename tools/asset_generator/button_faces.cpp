// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_faces.h"

#include "paint_kit.h"

namespace zantaro::assets {

QImage bigButton(QSize size, const QColor& color, const QString& caption)
{
    QImage face = canvas(size, Qt::black);
    QPainter painter(&face);
    smoothen(painter);
    const QRectF whole(0, 0, size.width(), size.height());
    const qreal radius = size.height() * 0.22;

    painter.setPen(Qt::NoPen); // a chrome collar around the cap
    painter.setBrush(chromeSheen(whole.topLeft(), whole.bottomLeft()));
    painter.drawRoundedRect(whole.adjusted(1, 1, -1, -1), radius, radius);
    const QRectF cap = whole.adjusted(5, 5, -5, -5);
    painter.setPen(QPen(scaled(color, 0.3), 1.5));
    painter.setBrush(lacquer(color, cap.top(), cap.bottom()));
    painter.drawRoundedRect(cap, radius * 0.8, radius * 0.8);

    QLinearGradient gloss(0, cap.top(), 0, cap.center().y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawRoundedRect(QRectF(cap.left() + 6, cap.top() + 3, cap.width() - 12, cap.height() * 0.42),
                            radius * 0.6, radius * 0.6);

    const QRectF letters =
        cap.adjusted(cap.width() * 0.16, cap.height() * 0.3, -cap.width() * 0.16, -cap.height() * 0.3);
    const QPainterPath text = fittedText(caption, letters);
    paintOutlined(painter, text.translated(1.5, 1.5), QColor(0, 0, 0, 120), QColor(0, 0, 0, 120), 3);
    paintOutlined(painter, text, QColor(255, 255, 250), scaled(color, 0.25), 3);
    return face;
}

QImage commandButtonFace(QSize size)
{
    QImage face = canvas(size, Qt::black);
    QPainter painter(&face);
    const QRect whole(0, 0, size.width(), size.height());
    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0.0, QColor(72, 72, 96));
    body.setColorAt(0.5, QColor(34, 34, 52));
    body.setColorAt(1.0, QColor(16, 16, 26));
    painter.fillRect(whole, body);
    // A raised bevel: light along the top and left, dark along the bottom and right.
    painter.setPen(QColor(140, 140, 170));
    painter.drawLine(0, 0, size.width() - 1, 0);
    painter.drawLine(0, 0, 0, size.height() - 1);
    painter.setPen(QColor(4, 4, 8));
    painter.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
    painter.drawLine(size.width() - 1, 0, size.width() - 1, size.height() - 1);
    painter.setPen(QColor(118, 90, 34)); // a thin gold inlay, dim so the caption stands out
    painter.drawRect(whole.adjusted(2, 2, -3, -3));
    return face;
}

QImage betAdjuster(int edge)
{
    QImage pair = canvas(QSize(2 * edge, edge), Qt::black);
    QPainter painter(&pair);
    smoothen(painter);
    const struct
    {
        QColor color;
        bool plus;
    } halves[] = {{QColor(30, 170, 50), true}, {QColor(210, 30, 30), false}};
    for (int half = 0; half < 2; ++half) {
        const QRectF square(half * edge, 0, edge, edge);
        const QPointF centre = square.center();
        const qreal radius = edge * 0.46;
        painter.setPen(Qt::NoPen);
        painter.setBrush(goldSheen(square.topLeft(), square.bottomLeft()));
        painter.drawEllipse(centre, radius, radius);
        painter.setBrush(domeShading(centre, radius * 0.84, halves[half].color));
        painter.drawEllipse(centre, radius * 0.84, radius * 0.84);
        const qreal arm = radius * 0.5;
        const qreal thickness = std::max<qreal>(2, edge * 0.14);
        painter.setPen(QPen(Qt::white, thickness, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
        if (halves[half].plus)
            painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    }
    return pair;
}

} // namespace zantaro::assets
