// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_painter.h"

#include "game/picture_names.h"
#include "resources/built_in_pictures.h"

#include <QPainter>

namespace zantaro {

namespace {

QImage loadPicture(const char* name, qreal devicePixelRatio)
{
    // Raster operations combine the pixels bit by bit; an opaque 32-bit format keeps them exact.
    return builtInPictureFor(QStringLiteral("card_game/") + QLatin1String(name), devicePixelRatio)
        .convertToFormat(QImage::Format_RGB32);
}

std::vector<QRect> joined(std::vector<QRect> first, const std::vector<QRect>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Copies a rectangle of a sprite sheet, stretching pixel by pixel where the target is larger. Both
// rectangles are in card pixels; the sheet's own pixel ratio says how many of its pixels that is.
void copyRect(QPainter& painter, const QImage& sheet, const QRect& source, const QRect& target)
{
    const qreal ratio = sheet.devicePixelRatio();
    painter.drawImage(QRectF(target), sheet,
                      QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
}

constexpr int RoyalWidth = 47;
constexpr int RoyalHeight = 74;

} // namespace

std::vector<QRect> pipTargets(int value)
{
    const std::vector<QRect> corners{edges(14, 10, 29, 25), edges(14, 72, 29, 87), edges(42, 10, 58, 25),
                                     edges(42, 72, 58, 87)};
    const QRect centre = edges(28, 41, 43, 56);
    const QRect upper = edges(28, 20, 43, 35);
    switch (value) {
    case 1:
        return {edges(28, 42, 43, 57)};
    case 2:
        return {edges(28, 10, 43, 25), edges(28, 72, 43, 87)};
    case 3:
        return joined(pipTargets(2), {centre});
    case 4:
        return corners;
    case 5:
        return joined(corners, {centre});
    case 6:
        return joined(corners, {edges(14, 41, 29, 56), edges(42, 41, 57, 56)});
    case 7:
        return joined(pipTargets(6), {edges(28, 27, 43, 42)});
    case 8:
        return joined(corners, {edges(14, 31, 29, 46), edges(14, 51, 29, 66), edges(42, 31, 58, 46),
                                edges(42, 51, 58, 66)});
    case 9:
        return joined(pipTargets(8), {upper});
    default:
        return joined(pipTargets(8), {upper, edges(28, 62, 43, 77)});
    }
}

CardPainter::CardPainter(qreal devicePixelRatio)
    : m_scale(sharpScaleFor(devicePixelRatio)), m_Pos(loadPicture("Pos.png", devicePixelRatio)),
      m_Neg(loadPicture("Neg.png", devicePixelRatio)), m_back(loadPicture("back.png", devicePixelRatio)),
      m_Joker(loadPicture("Joker.png", devicePixelRatio)),
      m_Royal(loadPicture("Royal.png", devicePixelRatio)),
      m_Suits(loadPicture("Suits.png", devicePixelRatio)),
      m_SuitSm(loadPicture("SuitSm.png", devicePixelRatio)),
      m_Black(loadPicture("Black.png", devicePixelRatio)), m_Red(loadPicture("Red.png", devicePixelRatio))
{
}

QImage CardPainter::cardFace(int cardNumber) const
{
    QImage scratch(ScratchWidth * m_scale, ScratchHeight * m_scale, QImage::Format_RGB32);
    scratch.setDevicePixelRatio(m_scale);
    scratch.fill(Qt::black);
    QPainter painter(&scratch);
    copyRect(painter, m_Pos, edges(0, 0, 73, 98), edges(0, 0, 73, 98));

    const int value = (cardNumber + 1) % 13 == 0 ? 13 : (cardNumber + 1) % 13;
    const int suit = cardNumber / 13;
    const bool blackSuit = cardNumber < 13 || cardNumber > 38;
    const QImage& ranks = blackSuit ? m_Black : m_Red;

    copyRect(painter, ranks, edges(9 * (value - 1), 0, 9 * value, 13), edges(3, 3, 12, 16));
    copyRect(painter, ranks, edges(9 * (value - 1), 14, 9 * value - 1, 27), edges(61, 82, 69, 95));
    copyRect(painter, m_SuitSm, edges(11 * suit, 0, 11 * suit + 11, 11), edges(2, 18, 13, 29));
    copyRect(painter, m_SuitSm, edges(11 * suit, 11, 11 * suit + 11, 22), edges(60, 70, 71, 81));

    const QRect uprightSuit = edges(15 * suit, 0, 15 * suit + 15, 15);
    if (value <= 10) {
        for (const QRect& target : pipTargets(value))
            copyRect(painter, m_Suits, uprightSuit, target);
        return scratch;
    }

    // Court cards: the figure, then a suit mark in two opposite corners of it.
    const int figureColumn = value == 11 ? 94 : value == 12 ? 47 : 0;
    const int figureRow = blackSuit ? 0 : RoyalHeight;
    copyRect(painter, m_Royal, QRect(figureColumn, figureRow, RoyalWidth, RoyalHeight),
             edges(13, 13, 60, 87));
    const QRect upsideDownSuit = edges(15 * suit, 15, 15 * suit + 15, 30);
    const bool king = value == 13;
    copyRect(painter, m_Suits, uprightSuit, king ? edges(15, 15, 30, 30) : edges(43, 15, 58, 30));
    copyRect(painter, m_Suits, upsideDownSuit, king ? edges(43, 70, 58, 85) : edges(15, 70, 30, 85));
    return scratch;
}

void CardPainter::drawCardFace(QPainter& table, int cardNumber, int x, int y) const
{
    layCard(table, cardFace(cardNumber), x, y);
}

void CardPainter::drawCardBack(QPainter& table, int x, int y) const
{
    layCard(table, m_back, x, y);
}

void CardPainter::drawJoker(QPainter& table, int x, int y) const
{
    layCard(table, m_Joker, x, y);
}

void CardPainter::layCard(QPainter& table, const QImage& face, int x, int y) const
{
    // The mask clears the card's shape and keeps the table around it; the face, black outside
    // its corners, then fills only the cleared shape.
    const QRect card(0, 0, 73, 98);
    const QRect target(x, y, card.width(), card.height());
    table.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    copyRect(table, m_Neg, card, target);
    table.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    copyRect(table, face, card, target);
    table.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace zantaro
