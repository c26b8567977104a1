// SPDX-License-Identifier: GPL-3.0-or-later
// CreditChart: the game so far at a glance - the credits after each kept spin, the bet per spin
// in a band under them, bell-pool wins and free-spin series marked, both axes labelled.
#pragma once

#include "game/game_history.h"

#include <QCoreApplication>
#include <QWidget>

class QPainter;

namespace zantaro {

class CreditChart : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(CreditChart)

public:
    explicit CreditChart(const std::deque<ChartPoint>& points, QWidget* parent = nullptr);

    // The chart in words, for a player who cannot see it.
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintChart(QPainter& painter) const;

    const std::deque<ChartPoint>& m_points;
};

} // namespace zantaro
