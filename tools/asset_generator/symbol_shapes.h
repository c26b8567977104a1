// SPDX-License-Identifier: GPL-3.0-or-later
// The single symbol drawings, each painting into a 100 x 100 box at the painter's origin.
#pragma once

#include <QColor>
#include <QPainter>

namespace zantaro::assets {

void paintWild(QPainter& painter);
void paintSeven(QPainter& painter);
void paintBars(QPainter& painter, int count, const QColor& barColor);
void paintDiamond(QPainter& painter);
void paintFaintPattern(QPainter& painter);

void paintMelon(QPainter& painter);
void paintBell(QPainter& painter);
void paintApple(QPainter& painter);
void paintGrapes(QPainter& painter);
void paintCherries(QPainter& painter);

} // namespace zantaro::assets
