// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_presenter.h"

namespace zantaro {

WindowPresenter::WindowPresenter(MachinePainter& painter, std::function<void()> drawCommandCaptions)
    : m_painter(painter), m_drawCommandCaptions(std::move(drawCommandCaptions))
{
}

void WindowPresenter::drawFreeSpinText(const std::string& text, bool lit)
{
    m_painter.drawFreeSpinText(QString::fromStdString(text), lit);
}

void WindowPresenter::repaintWindow()
{
    m_painter.paintWholeWindow();
    m_drawCommandCaptions();
}

} // namespace zantaro
