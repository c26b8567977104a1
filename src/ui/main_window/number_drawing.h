// SPDX-License-Identifier: GPL-3.0-or-later
// drawNumber: a whole number drawn from the red or yellow digit sheets on its black backing.
#pragma once

#include "artwork.h"

#include <QPainter>
#include <QRect>
#include <cstdint>

namespace zantaro {

struct NumberStyle
{
    bool yellow = false;
    bool rightAligned = false; // x is where the number ends
    bool tight = false;        // no spare cell after a left-aligned number
};

// Draws value at (x, y) and returns the rectangle it covered, spare cell included. The digit
// cells are 16 x 21 below 1000 pixels of screen width and 32 x 42 from there on.
QRect drawNumber(QPainter& painter, const Artwork& artwork, std::int64_t value, int x, int y,
                 NumberStyle style);

} // namespace zantaro
