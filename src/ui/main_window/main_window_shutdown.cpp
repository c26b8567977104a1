// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window: the update reminder, then the running game stored for the next start;
// the same without questions when the desktop or a signal ends the game.
#include "game/update_reminder.h"
#include "main_window.h"
#include "platform/web_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <cstdio>

namespace zantaro {

// A close that arrives while a spin runs lets the spin finish at once and pay before the game is
// stored; the window closes when the spin command has ended. A command still waiting for the spin
// is dropped: the game is closing.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->ignore();
        return;
    }
    if (m_game.isSpinRequestRunning()) {
        m_game.dropWaitingCommands();
        m_game.submit(SpinCommand::Close, [this] { close(); });
        event->ignore();
        return;
    }
    m_closing = true;
    runUpdateReminder();
    saveLoadGame(CurrentGameSlot, true, RunningGameName);
    m_closing = false;
    event->accept();
}

void MainWindow::closeWithoutQuestions()
{
    m_quietClose = true;
    // The dialogs a command between spins runs close first, so that their callers can return; a
    // spin's own windows close through the game as it finishes at once.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == this || !modal->close())
            break;
    }
    close();
}

// A running spin finishes at once and pays first, as for any close.
void MainWindow::storeForSessionEnd()
{
    m_game.submit(SpinCommand::Close,
                  [this] { saveLoadGame(CurrentGameSlot, true, RunningGameName, !m_quietClose); });
}

void MainWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized); // a full-screen window stays so
    show();
    raise();
    activateWindow();
}

void MainWindow::runUpdateReminder()
{
    const std::string path = settingsFile(UpdateReminderFileName);
    IniDocument file(m_files.read(path).value_or(std::string()));
    if (recordCloseAndCheckReminder(file, m_clock.today(), !m_quietClose)) {
        const auto answer = QMessageBox::question(this, windowTitle(), updateReminderQuestion(),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            openWebPage(gameWebPage());
    }
    if (!m_files.replace(path, file.text()))
        reportWriteFailure(writeFailureText(path));
}

QString MainWindow::writeFailureText(const std::string& path)
{
    return tr("Unable to write to %1").arg(QString::fromStdString(path));
}

// The update reminder's question: the product, its version, and the offer of a newer one.
QString MainWindow::updateReminderQuestion()
{
    return tr("%1\r\n\r\nVersion: %2\r\n\r\nSince it has been over 90 days since you installed this program, "
              "it is "
              "likely that we have a newer version available for free download.  Would you like to visit our "
              "website to get a newer version of %1?")
        .arg(QString::fromLatin1(ProductName), QString::fromLatin1(VersionText));
}

// A failed write is told in a message box, or on standard error when nobody may be asked.
void MainWindow::reportWriteFailure(const QString& message)
{
    if (m_quietClose)
        std::fprintf(stderr, "Zantaro Slots: %s\n", qPrintable(message));
    else if (m_game.isSpinRequestRunning())
        openMessageBox(QMessageBox::Critical, message); // a spin never waits for a box
    else
        QMessageBox::critical(this, windowTitle(), message);
}

} // namespace zantaro
