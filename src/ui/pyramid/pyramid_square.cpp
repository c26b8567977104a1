// SPDX-License-Identifier: GPL-3.0-or-later
#include "pyramid_square.h"

#include "game/pyramid_board.h"

#include <QMouseEvent>
#include <QPainter>

namespace zantaro {

SquareTextStyle numberStyle()
{
    return {Qt::yellow, 24, true, false};
}

SquareTextStyle labelStyle(std::string_view label)
{
    if (label == LoseLabel)
        return {Qt::black, 14, false, false};
    if (label == HintLabel)
        return {Qt::blue, 14, false, true};
    if (label == TryAgainLabel)
        return {Qt::white, 8, false, false};
    return {Qt::yellow, 24, true, false}; // a multiplier
}

int pixelsForPoints(int points)
{
    return (points * 96 + 36) / 72;
}

PyramidSquare::PyramidSquare(QWidget* parent) : PieceButton(parent)
{
    setFixedSize(SquareSize, SquareSize);
}

void PyramidSquare::setContent(const QImage& tile, const QString& text, const SquareTextStyle& style,
                               Centring centring)
{
    m_tile = tile;
    m_text = text;
    m_style = style;
    m_centring = centring;
    repaint();
}

void PyramidSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_tile);
    if (!m_text.isEmpty())
        paintText(painter);
    // The squares touch, so the focus ring lies over the square's own bevelled edge.
    paintFocusRingIfFocused(painter);
}

void PyramidSquare::paintText(QPainter& painter) const
{
    QFont font = this->font();
    font.setPixelSize(pixelsForPoints(m_style.points));
    font.setBold(m_style.bold);
    font.setItalic(m_style.italic);
    painter.setFont(font);
    painter.setPen(m_style.colour);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(m_text);
    const int height = metrics.height();
    const int left = m_centring == Centring::Closed ? (SquareSize - width) / 2 : SquareSize / 2 - width / 2;
    const int top = m_centring == Centring::Closed ? (SquareSize - height) / 2 : SquareSize / 2 - height / 2;
    painter.drawText(left, top + metrics.ascent(), m_text);
}

void PyramidSquare::mouseReleaseEvent(QMouseEvent* event)
{
    // The release reaches the square that took the press; it counts as a click over the square.
    if (rect().contains(event->position().toPoint()))
        press();
}

} // namespace zantaro
