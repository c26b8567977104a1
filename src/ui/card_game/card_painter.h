// SPDX-License-Identifier: GPL-3.0-or-later
// CardPainter: draws the cards of the table from the nine card pictures - a face built in a
// scratch picture, the back or the joker - and lays each onto the table through the card mask,
// so the table's colour shows outside the rounded corners. On a dense screen it draws from the
// 2x or 3x set, onto a table picture of that scale.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace zantaro {

// The size of the scratch picture a face is built in: one pixel larger each way than a card.
inline constexpr int ScratchWidth = 74;
inline constexpr int ScratchHeight = 99;

class CardPainter
{
public:
    // Loads the picture set for a screen of `devicePixelRatio` (the 1x set by default); a missing
    // picture draws nothing, so the table shows in its place.
    explicit CardPainter(qreal devicePixelRatio = 1.0);

    // The scale of the pictures drawn from: a table picture for them has this pixel ratio.
    int scale() const { return m_scale; }

    // The face of card 0..51 as drawCardFace builds it, before it is laid onto the table: a
    // scratch picture of scale() times the scratch size, carrying that pixel ratio.
    QImage cardFace(int cardNumber) const;

    // Each draws one card with its top-left corner at (x, y), in card-table pixels, of the
    // painter's picture, which must be a Format_RGB32 image of scale()'s pixel ratio for the
    // mask's bitwise operations.
    void drawCardFace(QPainter& table, int cardNumber, int x, int y) const;
    void drawCardBack(QPainter& table, int x, int y) const;
    void drawJoker(QPainter& table, int x, int y) const;

private:
    void layCard(QPainter& table, const QImage& face, int x, int y) const;

    int m_scale;
    QImage m_Pos;
    QImage m_Neg;
    QImage m_back;
    QImage m_Joker;
    QImage m_Royal;
    QImage m_Suits;
    QImage m_SuitSm;
    QImage m_Black;
    QImage m_Red;
};

// A rectangle given by its left, top and exclusive right and bottom edges.
constexpr QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Where the large suit marks of a spot card of value 1 (Ace) to 10 go on its face.
std::vector<QRect> pipTargets(int value);

} // namespace zantaro
