// SPDX-License-Identifier: GPL-3.0-or-later
// GameHistory: the running game's recent past - the recalls of its last ten spins and one chart
// point for each of its last thousand - kept bounded as spins are added.
#pragma once

#include "spin_recall.h"

#include <cstddef>
#include <deque>

namespace zantaro {

// One spin on the chart of the game so far.
struct ChartPoint
{
    std::int32_t creditsAfter = 0;
    std::int32_t betPerSpin = 0; // lines x coins, on free spins too
    bool bellPoolWon = false;
    bool freeSpin = false;

    bool operator==(const ChartPoint&) const = default;
};

class GameHistory
{
public:
    static constexpr std::size_t RecallCount = 10;
    static constexpr std::size_t ChartLength = 1000;

    // A settled spin: its recall and its chart point.
    void record(SpinRecall recall);
    // Each kept alone, oldest first, as a stored history is read back.
    void addRecall(SpinRecall recall);
    void addPoint(const ChartPoint& point);
    void clear();

    // Oldest first.
    const std::deque<SpinRecall>& recalls() const { return m_recalls; }
    const std::deque<ChartPoint>& chart() const { return m_chart; }

    bool operator==(const GameHistory&) const = default;

private:
    std::deque<SpinRecall> m_recalls;
    std::deque<ChartPoint> m_chart;
};

ChartPoint chartPointOf(const SpinRecall& recall);

} // namespace zantaro
