// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_presenter.h"

namespace zantaro {

WindowPresenter::WindowPresenter(MachinePainter& painter, std::function<void()> drawCommandCaptions,
                                 std::function<void(Readout)> readoutChanged)
    : m_painter(painter), m_drawCommandCaptions(std::move(drawCommandCaptions)),
      m_readoutChanged(std::move(readoutChanged))
{
}

void WindowPresenter::drawFreeSpinCount(std::int32_t freeSpinsPending, bool lit)
{
    m_painter.drawFreeSpinCount(freeSpinsPending, lit);
    m_readoutChanged(Readout::FreeSpins);
}

void WindowPresenter::repaintWindow()
{
    m_painter.paintWholeWindow();
    m_drawCommandCaptions();
}

} // namespace zantaro
