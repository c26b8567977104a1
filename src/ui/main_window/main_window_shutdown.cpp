// Closing the main window: the update reminder, then the running game stored for the next start.
#include "game/update_reminder.h"
#include "main_window.h"
#include "platform/web_page.h"

#include <QCloseEvent>
#include <QMessageBox>

namespace zantaro {

// A close that arrives while a spin runs lets the spin finish at once and pay before the game is
// stored; the window closes when the spin command has returned.
void MainWindow::closeEvent(QCloseEvent* event)
{
    m_state.AutoSpin = false;
    m_state.StopRequested = true;
    if (m_machine.isSpinRequestRunning()) {
        m_closeAfterSpin = true;
        m_machine.finishAtOnce();
        event->ignore();
        return;
    }
    runUpdateReminder();
    saveRunningGame();
    event->accept();
}

void MainWindow::runUpdateReminder()
{
    const std::string path = (m_settingsDirectory + QLatin1Char('/') + QLatin1String(UpdateReminderFileName)).toStdString();
    IniDocument file(m_files.read(path).value_or(std::string()));
    if (recordCloseAndCheckReminder(file, m_clock.today())) {
        const auto answer = QMessageBox::question(this, windowTitle(), QString::fromStdString(updateReminderQuestion()),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            openWebPage(gameWebPage());
    }
    if (!m_files.replace(path, file.text()))
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Unable to write to %1").arg(QString::fromStdString(path)));
}

void MainWindow::requestSpin()
{
    m_machine.RequestSpin();
    if (m_closeAfterSpin)
        close();
}

} // namespace zantaro
