// SPDX-License-Identifier: GPL-3.0-or-later
// PieceButton: one drawn piece of a game window (a card of the table, a square of the Pyramid) as a
// control that the keyboard and a screen reader reach. Only the keyboard moves the focus onto it
// (a click leaves the focus where it was, so a mouse player sees the window as before); Return and
// Space play it; the arrow keys move to the nearest piece that way, Home and End to the first and
// last; and the pieces of one window are one stop of the Tab chain, the piece last visited. Its
// accessible name and description, set by the window, say what the player knows of it.
#pragma once

#include <QWidget>

namespace zantaro {

class PieceButton : public QWidget
{
    Q_OBJECT

public:
    // ringMargin: room on each side of the piece, inside the widget, for the focus ring; with none
    // the ring lies over the piece's own edge.
    explicit PieceButton(QWidget* parent, int ringMargin = 0);

    // The piece itself, in the widget's coordinates: what an assistive client is told it covers.
    QRect pieceArea() const;

    // Plays the piece, as Return, Space or an assistive client's Press do.
    void press() { emit activated(); }
    // Moves the focus here and makes this piece the pieces' stop in the Tab chain.
    void takeFocus();

signals:
    void activated();

protected:
    // Draws the focus ring alone: the window beneath draws the piece.
    void paintEvent(QPaintEvent* event) override;
    // For pieces that draw themselves: the ring over what they drew, while they have the focus.
    void paintFocusRingIfFocused(QPainter& painter) const;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QList<PieceButton*> pieces() const;
    void becomeTabStop();
    PieceButton* pieceToward(int key) const;

    int m_ringMargin;
};

} // namespace zantaro
