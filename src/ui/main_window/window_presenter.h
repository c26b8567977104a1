// SPDX-License-Identifier: GPL-3.0-or-later
// WindowPresenter: the game's presenter in the main window - each change the game reports is drawn
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

    void drawWheelCell(int wheel) override { m_painter.drawWheelCell(wheel); }
    void drawLamp(int lamp) override { m_painter.drawLamp(lamp); }
    void drawCredits() override
    {
        m_painter.drawCredits();
        m_readoutChanged(Readout::Credits);
    }
    void drawBonusPool() override
    {
        m_painter.drawBonusPool();
        m_readoutChanged(Readout::BonusPool);
    }
    void drawLightningRow() override { m_painter.drawLightningRow(); }
    void drawBonusPyramid() override { m_painter.drawBonusPyramid(); }
    void drawLinesPlayed() override
    {
        m_painter.drawLinesPlayed();
        m_readoutChanged(Readout::LinesPlayed);
    }
    void drawCoinsPerLine() override
    {
        m_painter.drawCoinsPerLine();
        m_readoutChanged(Readout::CoinsPerLine);
    }
    void drawCoinsPlayed() override
    {
        m_painter.drawCoinsPlayed();
        m_readoutChanged(Readout::CoinsPlayed);
    }
    void drawWinningsReadout(bool show) override
    {
        m_painter.drawWinningsReadout(show);
        m_readoutChanged(Readout::Winnings);
    }
    void drawCommandCaptions() override { m_drawCommandCaptions(); }
    void drawFreeSpinCount(std::int32_t freeSpinsPending, bool lit) override;
    void drawFreeSpinLabel() override { m_painter.drawFreeSpinLabel(); }
    void repaintWindow() override;

    void drawMotionFrame(int wheel, int motionOffset) override
    {
        m_painter.drawMotionFrame(wheel, motionOffset);
    }
    void fillWheelBlank(int wheel) override { m_painter.fillWheelBlank(wheel); }
    void captureWheel(int wheel) override { m_painter.captureWheel(wheel); }
    void drawCapturedWheel(int wheel, int offsetDown) override
    {
        m_painter.drawCapturedWheel(wheel, offsetDown);
    }
    void drawLineHighlight(int line) override { m_painter.drawLineHighlight(line); }

private:
    MachinePainter& m_painter;
    std::function<void()> m_drawCommandCaptions;
    std::function<void(Readout)> m_readoutChanged;
};

} // namespace zantaro
