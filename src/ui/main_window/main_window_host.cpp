// The main window as the game's host: drawing goes to the painter, time to the clock, cues to the
// sound player, and the three timers run the machine's handlers.
#include "main_window.h"
#include "ui/card_game/card_game_window.h"
#include "ui/pyramid/pyramid_window.h"

#include <QMessageBox>

namespace zantaro {

std::int64_t MainWindow::millisecondsSinceMidnightUtc()
{
    return m_clock.millisecondsSinceMidnightUtc();
}

std::chrono::milliseconds MainWindow::tickCount()
{
    return m_clock.tickCount();
}

void MainWindow::waitUntil(std::chrono::milliseconds deadline)
{
    m_clock.waitUntil(deadline);
}

void MainWindow::DrawWheelCell(int wheel)
{
    m_painter.DrawWheelCell(wheel);
}

void MainWindow::DrawLamp(int lamp)
{
    m_painter.DrawLamp(lamp);
}

void MainWindow::DrawCredits()
{
    m_painter.DrawCredits();
}

void MainWindow::DrawBonusPool()
{
    m_painter.DrawBonusPool();
}

void MainWindow::DrawLightningRow()
{
    m_painter.DrawLightningRow();
}

void MainWindow::DrawBonusPyramid()
{
    m_painter.DrawBonusPyramid();
}

void MainWindow::DrawLinesPlayed()
{
    m_painter.DrawLinesPlayed();
}

void MainWindow::DrawCoinsPerLine()
{
    m_painter.DrawCoinsPerLine();
}

void MainWindow::DrawCoinsPlayed()
{
    m_painter.DrawCoinsPlayed();
}

void MainWindow::DrawWinningsReadout(bool show)
{
    m_painter.DrawWinningsReadout(show);
}

void MainWindow::DrawCommandCaptions()
{
    m_commandStrip->DrawCommandCaptions(m_state);
}

void MainWindow::DrawFreeSpinText(const std::string& text, bool lit)
{
    m_painter.drawFreeSpinText(QString::fromStdString(text), lit);
}

void MainWindow::drawFreeSpinLabel()
{
    m_painter.drawFreeSpinLabel();
}

void MainWindow::repaintWindow()
{
    m_painter.FormPaint();
    DrawCommandCaptions();
}

void MainWindow::drawMotionFrame(int wheel, int motionOffset)
{
    m_painter.drawMotionFrame(wheel, motionOffset);
}

void MainWindow::fillWheelBlank(int wheel)
{
    m_painter.fillWheelBlank(wheel);
}

void MainWindow::captureWheel(int wheel)
{
    m_painter.captureWheel(wheel);
}

void MainWindow::drawCapturedWheel(int wheel, int offsetDown)
{
    m_painter.drawCapturedWheel(wheel, offsetDown);
}

void MainWindow::drawLineHighlight(int line)
{
    m_painter.drawLineHighlight(line);
}

bool MainWindow::isTimerActive(GameTimer which) const
{
    return m_timers[static_cast<std::size_t>(which)].isActive();
}

void MainWindow::setTimerActive(GameTimer which, bool active)
{
    QTimer& chosen = timer(which);
    if (active)
        chosen.start();
    else
        chosen.stop();
}

// A synchronous cue holds the game for its length while the window stays live.
void MainWindow::playCue(SoundCue cue)
{
    const std::chrono::milliseconds length = m_sound.play(cue);
    if (soundCueInfo(cue).playback == Playback::Synchronous)
        m_clock.waitUntil(m_clock.tickCount() + length);
}

void MainWindow::showMessage(const std::string& text)
{
    QMessageBox::information(this, windowTitle(), QString::fromStdString(text));
}

void MainWindow::playDoubleOrNothing(DoubleOrNothingGame game)
{
    if (game == DoubleOrNothingGame::Pyramid)
        PyramidWindow(m_machine.context(), this).exec();
    else
        CardGameWindow(m_machine.context(), helpTopicOpener(), this).exec();
}

void MainWindow::saveRunningGame()
{
    storeRunningGame();
}

void MainWindow::spinSettled()
{
    storeRunningGame();
    storeHistory();
}

void MainWindow::storeRunningGame()
{
    m_runningStoreFailing = !saveLoadGame(CurrentGameSlot, true, "CurrentGame", !m_runningStoreFailing);
}

} // namespace zantaro
