// SPDX-License-Identifier: GPL-3.0-or-later
// The counters' digit sheets: seven-segment lamp digits 0 to 9, then a blank, "." and ":", in
// sixteen colours.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace zantaro::assets {

// Digit d at x = d x cell width. Right of the ten digits one blank cell, then "." and ":" sharing
// what is left of `sheetWidth`. `lit` is the segment colour, `core` the brighter colour at their
// centre lines.
QImage digitSheet(QSize cell, int sheetWidth, const QColor& lit, const QColor& core);

} // namespace zantaro::assets
