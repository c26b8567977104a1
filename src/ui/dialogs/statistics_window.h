// SPDX-License-Identifier: GPL-3.0-or-later
// StatisticsWindow: the running game's spins, money and payoffs by source, and the overall payoff
// percentage, as they stood when the window opened.
#pragma once

#include "game/game_state.h"

#include <QCoreApplication>
#include <QDialog>
#include <functional>

namespace zantaro {

class StatisticsWindow : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)

public:
    // With openHistory, a "History" button beside OK opens the history window.
    explicit StatisticsWindow(const GameState& state, QWidget* parent = nullptr,
                              std::function<void()> openHistory = {});
};

} // namespace zantaro
