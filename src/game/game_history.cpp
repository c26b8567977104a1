// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_history.h"

#include <algorithm>

namespace zantaro {

void GameHistory::record(SpinRecall recall)
{
    addPoint(chartPointOf(recall));
    addRecall(std::move(recall));
}

void GameHistory::addRecall(SpinRecall recall)
{
    if (m_recalls.size() == RecallCount)
        m_recalls.pop_front();
    m_recalls.push_back(std::move(recall));
}

void GameHistory::addPoint(const ChartPoint& point)
{
    if (m_chart.size() == ChartLength)
        m_chart.pop_front();
    m_chart.push_back(point);
}

void GameHistory::clear()
{
    m_recalls.clear();
    m_chart.clear();
}

ChartPoint chartPointOf(const SpinRecall& recall)
{
    const bool bellPoolWon =
        std::any_of(recall.events.begin(), recall.events.end(),
                    [](const SpinEvent& event) { return event.kind == SpinEventKind::BellPoolWon; });
    const std::int64_t betPerSpin = betOf(recall.linesPlayed, recall.coinsPerLine);
    return {recall.creditsAfter,
            static_cast<std::int32_t>(std::clamp<std::int64_t>(betPerSpin, 0, INT32_MAX)), bellPoolWon,
            recall.freeSpin};
}

} // namespace zantaro
