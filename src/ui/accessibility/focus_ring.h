// SPDX-License-Identifier: GPL-3.0-or-later
// The focus ring of the game's drawn pieces: a band of the game's yellow with a black line inside
// it, so it shows on the maroon table, the white cards and the green and red tiles alike.
#pragma once

#include <QRect>

class QPainter;

namespace zantaro {

// The width of the yellow band; the black line lies just inside it.
inline constexpr int FocusRingWidth = 2;

// Draws the ring along the inside of `outer`, in the painter's logical pixels, so it grows with
// the zoom like everything else drawn.
void paintFocusRing(QPainter& painter, const QRect& outer);

} // namespace zantaro
