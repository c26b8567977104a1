// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the running game: kept in its file beside the settings and shown in the history
// window.
#include "main_window.h"
#include "ui/history/history_window.h"

namespace zantaro {

void MainWindow::showHistory()
{
    openWindow(new HistoryWindow(m_game.history(), sharpestPicture(m_artwork, &ArtworkPictures::symbolSheet),
                                 helpTopicOpener(), this));
}

void MainWindow::storeHistory()
{
    m_historyFile.store(m_game.history());
}

} // namespace zantaro
