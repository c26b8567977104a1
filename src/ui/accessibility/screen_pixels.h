// SPDX-License-Identifier: GPL-3.0-or-later
// Where a part of a widget shows on the screen, counted in the screen's own pixels.
#pragma once

#include <QRect>

class QWidget;

namespace zantaro {

// The area (in the widget's coordinates) as the screen shows it. Qt 6.4's AT-SPI bridge hands an
// assistive client the rectangles of its accessible interfaces as they are, and Qt's own widgets
// report them in Qt's logical pixels; with a scale factor (the game's zoom) the screen shows them
// that many times larger, and a screen reader that clicks on such a rectangle misses. On X11 the
// window's pixel ratio is the whole scale between the two, and both count from the screen's corner.
QRect screenPixelRect(const QWidget& widget, const QRect& area);

} // namespace zantaro
