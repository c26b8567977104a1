// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_game_pictures.h"

#include "court_figures.h"
#include "paint_kit.h"
#include "palette_reduction.h"
#include "pyramid_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zantaro::assets {

namespace {

constexpr int CardWidth = 73;
constexpr int CardHeight = 98;
constexpr double CornerRadius = 6.0;
const QColor Outline(150, 150, 150);
const QColor SuitRed(205, 20, 35);
const QColor SuitBlack(20, 20, 20);

// Whether a pixel of a card drawn at `scale` lies on the card: the rectangle less its four
// rounded corners. Every card picture cuts its corners with this one test, so the mask fits the
// faces pixel for pixel at every scale.
bool onCard(int x, int y, int scale)
{
    const double px = (x + 0.5) / scale;
    const double py = (y + 0.5) / scale;
    const double cx = std::clamp(px, CornerRadius, CardWidth - CornerRadius);
    const double cy = std::clamp(py, CornerRadius, CardHeight - CornerRadius);
    return std::hypot(px - cx, py - cy) <= CornerRadius;
}

// The rim is one design pixel wide: `scale` pixels of the picture.
bool onCardEdge(int x, int y, int scale)
{
    const int right = CardWidth * scale - scale;
    const int bottom = CardHeight * scale - scale;
    return onCard(x, y, scale) &&
           !(onCard(x - scale, y, scale) && onCard(x + scale, y, scale) && onCard(x, y - scale, scale) &&
             onCard(x, y + scale, scale) && x >= scale && y >= scale && x < right && y < bottom);
}

// Black outside the corners and a grey rim along the card's edge, over whatever was drawn.
void cutCorners(QImage& card)
{
    const int scale = drawingScale();
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (!onCard(x, y, scale))
                card.setPixel(x, y, qRgb(0, 0, 0));
            else if (onCardEdge(x, y, scale))
                card.setPixel(x, y, Outline.rgb());
        }
    }
}

QImage blankCard()
{
    QImage card = canvas(QSize(CardWidth, CardHeight), Qt::white);
    cutCorners(card);
    return card;
}

QImage cardMask()
{
    const int scale = drawingScale();
    QImage mask = canvas(QSize(CardWidth, CardHeight), Qt::white);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, onCard(x, y, scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return mask;
}

QPainterPath heartShape()
{
    QPainterPath heart;
    heart.moveTo(0.5, 0.96);
    heart.cubicTo(0.2, 0.7, 0.02, 0.5, 0.02, 0.3);
    heart.cubicTo(0.02, 0.12, 0.14, 0.04, 0.28, 0.04);
    heart.cubicTo(0.4, 0.04, 0.47, 0.12, 0.5, 0.22);
    heart.cubicTo(0.53, 0.12, 0.6, 0.04, 0.72, 0.04);
    heart.cubicTo(0.86, 0.04, 0.98, 0.12, 0.98, 0.3);
    heart.cubicTo(0.98, 0.5, 0.8, 0.7, 0.5, 0.96);
    return heart;
}

// The suit marks in a unit square, in the order clubs, hearts, diamonds, spades.
QPainterPath suitShape(int suit)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 0:
        path.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
        path.addEllipse(QPointF(0.25, 0.57), 0.22, 0.22);
        path.addEllipse(QPointF(0.75, 0.57), 0.22, 0.22);
        path.addPolygon(QPolygonF{{0.45, 0.45}, {0.55, 0.45}, {0.66, 0.98}, {0.34, 0.98}});
        break;
    case 1:
        path.addPath(heartShape());
        break;
    case 2:
        path.moveTo(0.5, 0.02);
        path.quadTo(0.65, 0.3, 0.9, 0.5);
        path.quadTo(0.65, 0.7, 0.5, 0.98);
        path.quadTo(0.35, 0.7, 0.1, 0.5);
        path.quadTo(0.35, 0.3, 0.5, 0.02);
        break;
    default: {
        // A heart turned point up and squeezed, on a stem. Turning the heart over reverses its
        // outline, so it is united with the stem rather than added, which would cut the overlap out.
        QPainterPath stem;
        stem.addPolygon(QPolygonF{{0.45, 0.6}, {0.55, 0.6}, {0.66, 0.98}, {0.34, 0.98}});
        path = QTransform(1, 0, 0, -0.89, 0, 0.875).map(heartShape()).united(stem);
        break;
    }
    }
    return path;
}

// A sheet of cells on white: each cell drawn upright in the top row and turned half round, inside
// its own cell, in the row that starts at `turnedTop`.
template <typename DrawCell>
QImage spriteSheet(int cells, QSize cell, int sheetHeight, int turnedTop, DrawCell drawCell)
{
    QImage sheet = canvas(QSize(cells * cell.width(), sheetHeight), Qt::white);
    QPainter sheetPainter(&sheet);
    for (int index = 0; index < cells; ++index) {
        QImage upright = canvas(cell, Qt::white);
        QPainter painter(&upright);
        painter.setRenderHint(QPainter::Antialiasing);
        drawCell(painter, index);
        painter.end();
        sheetPainter.drawImage(index * cell.width(), 0, upright);
        sheetPainter.drawImage(index * cell.width(), turnedTop, upright.mirrored(true, true));
    }
    return sheet;
}

QImage suitSheet(int size)
{
    return spriteSheet(4, QSize(size, size), 2 * size, size, [size](QPainter& painter, int suit) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(suit == 1 || suit == 2 ? SuitRed : SuitBlack);
        painter.scale(size, size);
        painter.drawPath(suitShape(suit));
    });
}

// The outline of the text's ink stretched to fill the box, however narrow.
QPainterPath stretchedText(const QString& text, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, letteringFont(true), text);
    const QRectF ink = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / ink.width(), box.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    return fit.map(path);
}

// The rank signs A, 2 .. 10, J, Q, K in 9 by 13 cells. Each sign keeps off the cell's left column,
// which the card leaves out of the turned copy; the two digits of 10 share the width.
QImage rankSheet(const QColor& colour)
{
    static const char* const signs[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "", "J", "Q", "K"};
    return spriteSheet(13, QSize(9, 13), 28, 14, [&colour](QPainter& painter, int rank) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        if (rank == 9) {
            painter.drawPath(stretchedText(QStringLiteral("1"), QRectF(1.3, 1, 2.2, 11)));
            painter.drawPath(stretchedText(QStringLiteral("0"), QRectF(4.1, 1, 4.7, 11)));
            return;
        }
        painter.drawPath(fittedText(QString::fromLatin1(signs[rank]), QRectF(1.2, 1, 7.6, 11)));
    });
}

// The back: a blue lattice in a gold frame with a "Z" medallion, in at most 256 colours.
QImage cardBack()
{
    QImage back = blankCard();
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel(4.5, 4.5, CardWidth - 9, CardHeight - 9);
    QPainterPath panelPath;
    panelPath.addRoundedRect(panel, 3, 3);
    painter.fillPath(panelPath, QColor(22, 48, 140));
    painter.setClipPath(panelPath);
    painter.setPen(QPen(QColor(80, 120, 215), 1));
    for (int offset = -CardHeight; offset < CardWidth + CardHeight; offset += 7) {
        painter.drawLine(QPointF(offset, 0), QPointF(offset + CardHeight, CardHeight));
        painter.drawLine(QPointF(offset, 0), QPointF(offset - CardHeight, CardHeight));
    }
    painter.setClipping(false);
    const QColor gold(225, 180, 50);
    painter.setPen(QPen(gold, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    const QPointF centre(CardWidth / 2.0, CardHeight / 2.0);
    painter.setBrush(QColor(22, 48, 140));
    painter.drawEllipse(centre, 15, 20);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(26);
    painter.setFont(font);
    painter.setPen(gold);
    painter.drawText(QRectF(centre.x() - 15, centre.y() - 20, 30, 40), Qt::AlignCenter, QStringLiteral("Z"));
    painter.end();
    cutCorners(back);
    return reducedTo256Colours(back);
}

// The joker: a jester with a three-pointed belled cap, and the word "JOKER" down two corners.
QImage jokerCard()
{
    QImage joker = blankCard();
    QPainter painter(&joker);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    painter.setFont(font);
    for (int turn = 0; turn < 2; ++turn) {
        painter.setPen(SuitRed);
        const QString word = QStringLiteral("JOKER");
        for (int letter = 0; letter < word.size(); ++letter)
            painter.drawText(QRectF(2, 3 + 9 * letter, 10, 10), Qt::AlignCenter, word.mid(letter, 1));
        painter.translate(CardWidth, CardHeight);
        painter.rotate(180);
    }
    painter.resetTransform();
    drawJester(painter, QRectF(14, 12, 45, 74));
    painter.end();
    cutCorners(joker);
    return joker;
}

QImage pyramidGlyph()
{
    QImage glyph = transparentCanvas(QSize(32, 32));
    QPainter painter(&glyph);
    const QColor green(20, 160, 60);
    for (const QRect& tile : {QRect(10, 4, 12, 12), QRect(3, 17, 12, 12), QRect(17, 17, 12, 12)})
        drawBevelledTile(painter, tile, green, 2);
    return glyph;
}

} // namespace

void writeCardGamePictures(ArtworkWriter& out)
{
    out.builtIn(blankCard(), "card_game/Pos.png");
    out.builtIn(cardMask(), "card_game/Neg.png");
    out.builtIn(cardBack(), "card_game/back.png");
    out.builtIn(jokerCard(), "card_game/Joker.png");
    out.builtIn(courtFigures(), "card_game/Royal.png");
    out.builtIn(suitSheet(15), "card_game/Suits.png");
    out.builtIn(suitSheet(11), "card_game/SuitSm.png");
    out.builtIn(rankSheet(SuitBlack), "card_game/Black.png");
    out.builtIn(rankSheet(SuitRed), "card_game/Red.png");
    out.builtIn(pyramidGlyph(), "card_game/PyramidGlyph.png");
}

} // namespace zantaro::assets
