// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own part of the game's host: the prompts (message boxes and the modal
// double-or-nothing windows) and the storage of the running game.
#include "main_window.h"
#include "ui/card_game/card_game_window.h"
#include "ui/pyramid/pyramid_window.h"
#include "ui/texts/message_text.h"

#include <QMessageBox>

namespace zantaro {

void MainWindow::showMessage(const Message& message)
{
    showMessage(messageText(message));
}

void MainWindow::showMessage(const QString& text)
{
    QMessageBox::information(this, windowTitle(), text);
}

void MainWindow::playDoubleOrNothing(DoubleOrNothingGame game)
{
    if (game == DoubleOrNothingGame::Pyramid)
        PyramidWindow(m_game.doubleOrNothingContext(), this).exec();
    else
        CardGameWindow(m_game.doubleOrNothingContext(), helpTopicOpener(), this).exec();
}

void MainWindow::saveRunningGame()
{
    storeRunningGame();
}

void MainWindow::spinSettled()
{
    storeRunningGame();
    storeHistory();
    announceSettledSpin();
}

void MainWindow::storeRunningGame()
{
    m_runningStoreFailing = !saveLoadGame(CurrentGameSlot, true, RunningGameName, !m_runningStoreFailing);
}

} // namespace zantaro
