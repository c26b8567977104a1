// SPDX-License-Identifier: GPL-3.0-or-later
// PayTableText: the two payoff tables the game pays by, in words - the payoff chart's text for a
// player who cannot see the picture.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace zantaro {

class PayTableText
{
    Q_DECLARE_TR_FUNCTIONS(PayTableText)

public:
    // One line per row, in the order the game tries them, each with its pay per coin from the
    // game's own tables.
    static QString text();
};

} // namespace zantaro
