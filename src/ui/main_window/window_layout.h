// SPDX-License-Identifier: GPL-3.0-or-later
// WindowLayout: the rectangles of the drawn buttons and bet adjusters, the logo's place, the
// command strip's anchor and button size, and the layout's own size, computed once at start-up
// from the artwork and the zoom.
#pragma once

#include "artwork.h"

#include <QPoint>
#include <QRect>

namespace zantaro {

// A drawn item's area, with right and bottom as inclusive pixel columns and rows as the hit tests
// use them: the hit area is one pixel wider and taller than the picture drawn into it.
struct HitRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // The picture drawn into the area: right - left columns and bottom - top rows.
    QRect pictureRect() const { return QRect(left, top, width(), height()); }
};

struct WindowLayout
{
    WidthClass widthClass = WidthClass::Large;
    int machineRight = 0; // R: the x of the machine picture's right edge
    int drawnBottom = 0;  // the lamp row's lower edge, the lowest item drawn; 0 without a machine picture

    HitRect stopRect;
    HitRect spinRect;
    HitRect linesPlusRect;
    HitRect coinsPlusRect;
    HitRect linesMinusRect;
    HitRect coinsMinusRect;

    QPoint logoTopLeft;
    QPoint optionsTopLeft; // the command strip's anchor: the top left of its bottom left button
    QSize commandButtonSize;
    qreal captionScale = 1.0; // the captions are drawn at this many times the blank face's size

    // Everything drawn and placed lies in [0, width) x [0, height), the layout's margin included.
    QSize size;
};

// `zoom` is the start-up zoom, by which Qt scales the whole window.
WindowLayout layoutWindow(const Artwork& artwork, qreal zoom);

// Where command button `number` stands: 0 to 6 go up the left column from the anchor, 7 to 13 the
// right one.
QRect commandButtonRect(const WindowLayout& layout, int number);

// The minus half of an adjuster: the same size as its plus half, 5 pixels right of it.
HitRect minusAreaOf(const HitRect& plus);

} // namespace zantaro
