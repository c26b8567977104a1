// StatisticsWindow: the running game's spins, money and payoffs by source, and the overall payoff
// percentage, as they stood when the window opened.
#pragma once

#include "game/game_state.h"

#include <QDialog>

namespace zantaro {

class StatisticsWindow : public QDialog
{
public:
    explicit StatisticsWindow(const GameState& state, QWidget* parent = nullptr);
};

} // namespace zantaro
