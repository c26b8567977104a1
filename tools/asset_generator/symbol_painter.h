// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the twelve wheel symbols, each in a shape and colour of its own so a player tells them
// apart at a glance.
#pragma once

#include <QPainter>
#include <QRectF>

namespace zantaro::assets {

// Paints symbol `code` (0 to 11) into `cell` over whatever background is there; the blank
// symbols add at most a faint pattern.
void paintSymbol(QPainter& painter, int code, const QRectF& cell);

} // namespace zantaro::assets
