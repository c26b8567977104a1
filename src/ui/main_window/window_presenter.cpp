// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_presenter.h"

#include <optional>

namespace zantaro {

namespace {

// The readout a piece shows, if it is one that assistive technology names.
std::optional<Readout> readoutOf(Piece piece)
{
    switch (piece) {
    case Piece::Credits:
        return Readout::Credits;
    case Piece::BonusPool:
        return Readout::BonusPool;
    case Piece::LinesPlayed:
        return Readout::LinesPlayed;
    case Piece::CoinsPerLine:
        return Readout::CoinsPerLine;
    case Piece::CoinsPlayed:
        return Readout::CoinsPlayed;
    case Piece::Winnings:
        return Readout::Winnings;
    case Piece::FreeSpinCount:
        return Readout::FreeSpins;
    default:
        return std::nullopt;
    }
}

} // namespace

WindowPresenter::WindowPresenter(MachinePainter& painter, std::function<void()> drawCommandCaptions,
                                 std::function<void(Readout)> readoutChanged)
    : m_painter(painter), m_drawCommandCaptions(std::move(drawCommandCaptions)),
      m_readoutChanged(std::move(readoutChanged))
{
}

void WindowPresenter::changed(Change change, const SpinView& view)
{
    m_painter.draw(change, view);
    if (change.piece == Piece::CommandCaptions || change.piece == Piece::Window)
        m_drawCommandCaptions();
    if (const std::optional<Readout> readout = readoutOf(change.piece))
        m_readoutChanged(*readout);
}

} // namespace zantaro
