// SPDX-License-Identifier: GPL-3.0-or-later
// WindowPresenter: the game's presenter in the main window - each piece the game changed is drawn
// by the machine painter on the window's canvas, the command captions by the command strip; a
// readout that changed is also reported, for assistive technology.
#pragma once

#include "game/host.h"
#include "machine_painter.h"

#include <functional>

namespace zantaro {

class WindowPresenter : public Presenter
{
public:
    WindowPresenter(MachinePainter& painter, std::function<void()> drawCommandCaptions,
                    std::function<void(Readout)> readoutChanged);

    void changed(Change change, const SpinView& view) override;

private:
    MachinePainter& m_painter;
    std::function<void()> m_drawCommandCaptions;
    std::function<void(Readout)> m_readoutChanged;
};

} // namespace zantaro
