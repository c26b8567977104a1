// SPDX-License-Identifier: GPL-3.0-or-later
// Faces of the drawn buttons: spin and stop, the blank command button, the bet adjusters.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace zantaro::assets {

// A big glossy button of `color` with its caption, on the window's black.
QImage bigButton(QSize size, const QColor& color, const QString& caption);

// The blank face of a command button; the window letters its caption over it in light colours,
// so it is dark.
QImage commandButtonFace(QSize size);

// Plus and minus buttons side by side, each `edge` square: the bet adjuster.
QImage betAdjuster(int edge);

} // namespace zantaro::assets
