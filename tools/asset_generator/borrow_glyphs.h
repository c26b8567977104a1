// SPDX-License-Identifier: GPL-3.0-or-later
// The glyphs of the borrow dialog's amount buttons: the amount in white on a coloured oval.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace zantaro::assets {

inline constexpr QSize BorrowGlyphSize(64, 40);

// `amount` such as "$1,000" on an oval of `color`, with transparent corners.
QImage borrowGlyph(const QString& amount, const QColor& color);

} // namespace zantaro::assets
