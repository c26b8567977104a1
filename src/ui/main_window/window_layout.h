// SPDX-License-Identifier: GPL-3.0-or-later
// WindowLayout: the rectangles of the drawn buttons and bet adjusters, the logo's place and the
// command strip's anchor, computed once at start-up from the artwork.
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
    QPoint optionsTopLeft; // the command strip's anchor
};

WindowLayout layoutWindow(const Artwork& artwork);

// The minus half of an adjuster: the same size as its plus half, 5 pixels right of it.
HitRect minusAreaOf(const HitRect& plus);

} // namespace zantaro
