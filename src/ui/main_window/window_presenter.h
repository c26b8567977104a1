// WindowPresenter: the game's presenter in the main window - each change the game reports is drawn
// by the machine painter into the back buffer, the command captions by the command strip.
#pragma once

#include "game/host.h"
#include "machine_painter.h"

#include <functional>

namespace zantaro {

class WindowPresenter : public Presenter
{
public:
    WindowPresenter(MachinePainter& painter, std::function<void()> drawCommandCaptions);

    void drawWheelCell(int wheel) override { m_painter.DrawWheelCell(wheel); }
    void drawLamp(int lamp) override { m_painter.DrawLamp(lamp); }
    void drawCredits() override { m_painter.DrawCredits(); }
    void drawBonusPool() override { m_painter.DrawBonusPool(); }
    void drawLightningRow() override { m_painter.DrawLightningRow(); }
    void drawBonusPyramid() override { m_painter.DrawBonusPyramid(); }
    void drawLinesPlayed() override { m_painter.DrawLinesPlayed(); }
    void drawCoinsPerLine() override { m_painter.DrawCoinsPerLine(); }
    void drawCoinsPlayed() override { m_painter.DrawCoinsPlayed(); }
    void drawWinningsReadout(bool show) override { m_painter.DrawWinningsReadout(show); }
    void drawCommandCaptions() override { m_drawCommandCaptions(); }
    void drawFreeSpinText(const std::string& text, bool lit) override;
    void drawFreeSpinLabel() override { m_painter.drawFreeSpinLabel(); }
    void repaintWindow() override;

    void drawMotionFrame(int wheel, int motionOffset) override { m_painter.drawMotionFrame(wheel, motionOffset); }
    void fillWheelBlank(int wheel) override { m_painter.fillWheelBlank(wheel); }
    void captureWheel(int wheel) override { m_painter.captureWheel(wheel); }
    void drawCapturedWheel(int wheel, int offsetDown) override { m_painter.drawCapturedWheel(wheel, offsetDown); }
    void drawLineHighlight(int line) override { m_painter.drawLineHighlight(line); }

private:
    MachinePainter& m_painter;
    std::function<void()> m_drawCommandCaptions;
};

} // namespace zantaro
