// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own part of the game's host: the prompts (message boxes and the
// double-or-nothing windows, open over the main window while the game goes on without waiting for
// them) and the storage of the running game.
#include "main_window.h"
#include "ui/card_game/card_game_window.h"
#include "ui/pyramid/pyramid_window.h"
#include "ui/texts/message_text.h"

#include <QMessageBox>

namespace zantaro {

// A message the game tells during a spin command (a refused bet): the command goes on.
void MainWindow::showMessage(const Message& message)
{
    openMessageBox(QMessageBox::Information, messageText(message));
}

QMessageBox* MainWindow::openMessageBox(QMessageBox::Icon icon, const QString& text)
{
    auto* box = new QMessageBox(icon, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

bool MainWindow::playDoubleOrNothing(DoubleOrNothingGame game)
{
    QDialog* window = nullptr;
    if (game == DoubleOrNothingGame::Pyramid)
        window = new PyramidWindow(m_game.doubleOrNothingContext(), this);
    else
        window = new CardGameWindow(m_game.doubleOrNothingContext(), helpTopicOpener(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, [this] { m_game.doubleOrNothingClosed(); });
    m_doubleOrNothingWindow = window;
    window->open();
    return false;
}

// From the event loop: the command that asked for it returns first, and the spin goes on from
// the window's close.
void MainWindow::closeDoubleOrNothing()
{
    if (m_doubleOrNothingWindow)
        QMetaObject::invokeMethod(m_doubleOrNothingWindow, &QWidget::close, Qt::QueuedConnection);
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
