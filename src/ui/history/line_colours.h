// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the eight paylines, as the machine's face marks them with its line badges.
#pragma once

#include <QColor>
#include <array>

namespace zantaro {

inline const std::array<QColor, 8> PaylineColours{
    QColor(230, 30, 40),  QColor(250, 210, 20), QColor(40, 190, 60),  QColor(40, 110, 240),
    QColor(250, 130, 20), QColor(30, 200, 220), QColor(210, 60, 220), QColor(160, 230, 40),
};

} // namespace zantaro
