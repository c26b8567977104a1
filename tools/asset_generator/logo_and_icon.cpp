// SPDX-License-Identifier: GPL-3.0-or-later
#include "logo_and_icon.h"

#include "paint_kit.h"
#include "symbol_painter.h"

#include <QRadialGradient>
#include <QtMath>

namespace zantaro::assets {

namespace {

constexpr int SevenSymbol = 1;

// A white reel window framed by a gold ring of lamps, the seven showing.
void paintEmblem(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setPen(QPen(QColor(60, 30, 0), radius * 0.03));
    painter.setBrush(goldSheen(centre - QPointF(radius, radius), centre + QPointF(radius, radius)));
    painter.drawEllipse(centre, radius, radius);
    const int bulbs = 16;
    for (int i = 0; i < bulbs; ++i) {
        const qreal angle = 2 * M_PI * i / bulbs;
        const QPointF at = centre + QPointF(qCos(angle), qSin(angle)) * radius * 0.89;
        painter.setPen(Qt::NoPen);
        painter.setBrush(bulbGlow(at, radius * 0.065, i % 2 ? QColor(255, 230, 90) : QColor(255, 120, 40)));
        painter.drawEllipse(at, radius * 0.065, radius * 0.065);
    }
    const qreal inner = radius * 0.78;
    QRadialGradient face(centre, inner, centre - QPointF(inner * 0.3, inner * 0.4));
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(0.85, QColor(244, 244, 238));
    face.setColorAt(1.0, QColor(190, 186, 176));
    painter.setPen(QPen(QColor(90, 50, 0), radius * 0.03));
    painter.setBrush(face);
    painter.drawEllipse(centre, inner, inner);
    const qreal symbol = inner * 1.3;
    paintSymbol(painter, SevenSymbol,
                QRectF(centre.x() - symbol / 2, centre.y() - symbol / 2, symbol, symbol));
}

// A four-pointed glint of light.
void paintSparkle(QPainter& painter, QPointF centre, qreal size)
{
    QPainterPath glint;
    const qreal waist = size * 0.18;
    glint.moveTo(centre + QPointF(0, -size));
    glint.quadTo(centre + QPointF(waist, -waist), centre + QPointF(size, 0));
    glint.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, size));
    glint.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-size, 0));
    glint.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -size));
    QRadialGradient light(centre, size);
    light.setColorAt(0.0, Qt::white);
    light.setColorAt(0.5, QColor(255, 240, 170));
    light.setColorAt(1.0, QColor(255, 200, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(glint);
}

} // namespace

QImage logo(QSize size)
{
    QImage picture = canvas(size, Qt::black);
    QPainter painter(&picture);
    smoothen(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal titleHeight = h * 0.15;
    const QRectF title(w * 0.04, h * 0.04, w * 0.92, titleHeight);
    paintOutlined(painter, fittedText(QStringLiteral("ZANTARO"), title).translated(0, w * 0.012),
                  QColor(150, 0, 10), QColor(150, 0, 10), w * 0.02);
    paintLettering(painter, QStringLiteral("ZANTARO"), title, goldSheen(title.topLeft(), title.bottomLeft()),
                   QColor(70, 30, 0), w * 0.012);

    const QRectF band(0, title.bottom() + h * 0.03, w, h * 0.8 - title.bottom() - h * 0.03);
    const qreal radius = std::min(band.width(), band.height()) / 2 * 0.96;
    paintEmblem(painter, band.center(), radius);
    paintSparkle(painter, band.center() + QPointF(radius * 0.78, -radius * 0.8), radius * 0.22);
    paintSparkle(painter, band.center() + QPointF(-radius * 0.9, radius * 0.62), radius * 0.16);
    paintSparkle(painter, band.center() + QPointF(radius * 0.98, radius * 0.45), radius * 0.11);

    const QRectF subtitle(w * 0.22, h * 0.83, w * 0.56, h * 0.12);
    paintLettering(painter, QStringLiteral("SLOTS"), subtitle,
                   lacquer(QColor(230, 20, 30), subtitle.top(), subtitle.bottom()), QColor(255, 240, 200),
                   w * 0.014);
    return picture;
}

QImage programIcon(int edge)
{
    QImage icon(edge, edge, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    smoothen(painter);
    const QRectF tile(edge * 0.03, edge * 0.03, edge * 0.94, edge * 0.94);
    const qreal corner = edge * 0.2;
    painter.setPen(
        QPen(QBrush(goldSheen(tile.topLeft(), tile.bottomRight())), std::max<qreal>(1.5, edge * 0.06)));
    painter.setBrush(lacquer(QColor(190, 14, 24), tile.top(), tile.bottom()));
    painter.drawRoundedRect(tile, corner, corner);
    const QRectF window = tile.adjusted(edge * 0.14, edge * 0.14, -edge * 0.14, -edge * 0.14);
    painter.setPen(QPen(QColor(50, 20, 0), std::max<qreal>(1, edge * 0.025)));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(window, corner * 0.4, corner * 0.4);
    paintSymbol(painter, SevenSymbol, window.adjusted(-edge * 0.01, -edge * 0.01, edge * 0.01, edge * 0.01));
    return icon;
}

} // namespace zantaro::assets
