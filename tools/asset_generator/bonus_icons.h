// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus icons stacked top to bottom: Lightning, Melons, Apples, Grapes, on black because
// the window shows an unlit slot as black.
#pragma once

#include <QImage>

namespace zantaro::assets {

// `edge` wide and 4 x `edge` high.
QImage bonusIcons(int edge);

} // namespace zantaro::assets
