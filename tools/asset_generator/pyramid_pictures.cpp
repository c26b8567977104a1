// SPDX-License-Identifier: GPL-3.0-or-later
#include "pyramid_pictures.h"

#include "paint_kit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace zantaro::assets {

namespace {

constexpr int TileSize = 64;
constexpr int GlyphSize = 32;

QImage tile(const QColor& base)
{
    QImage image = canvas(QSize(TileSize, TileSize), base);
    QPainter painter(&image);
    drawBevelledTile(painter, QRect(0, 0, TileSize, TileSize), base, 6);
    return image;
}

// Two cards fanned out: a blue back behind, and the Ace of hearts in front.
QImage cardGameGlyph()
{
    QImage image = transparentCanvas(QSize(GlyphSize, GlyphSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(-8, -11, 16, 22);
    painter.setPen(QPen(QColor(40, 40, 40), 1));

    painter.translate(12, 16);
    painter.rotate(-14);
    painter.setBrush(QColor(30, 60, 160));
    painter.drawRoundedRect(card, 2, 2);
    painter.setPen(QPen(QColor(120, 160, 230), 1));
    painter.drawRoundedRect(card.adjusted(2.5, 2.5, -2.5, -2.5), 1, 1);
    painter.resetTransform();

    painter.translate(20, 16);
    painter.rotate(10);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 2, 2);
    QPainterPath heart;
    heart.moveTo(0, 5);
    heart.cubicTo(-7, 0, -5, -6, 0, -2.5);
    heart.cubicTo(5, -6, 7, 0, 0, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 20, 30));
    painter.drawPath(heart);
    return image;
}

} // namespace

void drawBevelledTile(QPainter& painter, const QRect& tile, const QColor& base, int bevel)
{
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, base.lighter(115));
    face.setColorAt(1, base.darker(110));
    painter.fillRect(tile, face);

    const QPoint outerTopLeft = tile.topLeft();
    const QPoint outerTopRight = tile.topRight() + QPoint(1, 0);
    const QPoint outerBottomLeft = tile.bottomLeft() + QPoint(0, 1);
    const QPoint outerBottomRight = tile.bottomRight() + QPoint(1, 1);
    const QPoint innerTopLeft = outerTopLeft + QPoint(bevel, bevel);
    const QPoint innerTopRight = outerTopRight + QPoint(-bevel, bevel);
    const QPoint innerBottomLeft = outerBottomLeft + QPoint(bevel, -bevel);
    const QPoint innerBottomRight = outerBottomRight + QPoint(-bevel, -bevel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(base.lighter(160));
    painter.drawPolygon(QPolygon{outerTopLeft, outerTopRight, innerTopRight, innerTopLeft});
    painter.setBrush(base.lighter(130));
    painter.drawPolygon(QPolygon{outerTopLeft, innerTopLeft, innerBottomLeft, outerBottomLeft});
    painter.setBrush(base.darker(200));
    painter.drawPolygon(QPolygon{outerBottomLeft, innerBottomLeft, innerBottomRight, outerBottomRight});
    painter.setBrush(base.darker(150));
    painter.drawPolygon(QPolygon{outerTopRight, outerBottomRight, innerBottomRight, innerTopRight});

    painter.setBrush(Qt::NoBrush);
    painter.setPen(base.darker(300));
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
}

void writePyramidPictures(ArtworkWriter& out)
{
    out.builtIn(tile(QColor(20, 150, 60)), "pyramid/BlueBox.png");
    out.builtIn(tile(QColor(190, 25, 25)), "pyramid/Red.png");
    out.builtIn(cardGameGlyph(), "pyramid/CardGameGlyph.png");
}

} // namespace zantaro::assets
