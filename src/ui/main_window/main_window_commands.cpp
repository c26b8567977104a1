// The command strip's commands and the about box behind the logo.
#include "main_window.h"
#include "platform/web_page.h"

#include <QMessageBox>

namespace zantaro {

void MainWindow::OptionsClick(int number)
{
    switch (number) {
    case PayModeCommand:
        flipToggle(number, m_state.PayMode);
        break;
    case NewGameCommand:
        if (QMessageBox::question(this, windowTitle(), QStringLiteral("Start a New Game?"),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            m_machine.newGame();
        break;
    case SummaryCommand:
        showMessage(m_state.SpinReport.empty() ? "You must spin before viewing a summary of the last spin."
                                               : m_state.SpinReport);
        break;
    case AutoSpinCommand:
        flipToggle(number, m_state.AutoSpin);
        if (m_state.AutoSpin && !m_state.Spinning)
            requestSpin();
        break;
    case ExitCommand:
        if (QMessageBox::question(this, windowTitle(), QStringLiteral("Are you sure you want to exit the game?"),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            close();
        break;
    case SoundCommand:
        flipToggle(number, m_state.Sound);
        break;
    case WebSiteCommand:
        openWebSite();
        break;
    case DoubleCommand:
        flipToggle(number, m_state.Double);
        break;
    default:
        break;
    }
}

void MainWindow::flipToggle(int number, bool& flag)
{
    flag = !flag;
    m_commandStrip->updateToggleHint(number, m_state);
    DrawCommandCaptions();
}

void MainWindow::openWebSite()
{
    if (openWebPage(gameWebPage()))
        return;
    QMessageBox::critical(this, windowTitle(), QStringLiteral("Could not find a web browser on your system!"));
    QMessageBox::information(this, windowTitle(), QStringLiteral("Please visit Hollowmere at:  ") + homeWebPage());
}

void MainWindow::ShowAbout()
{
    QMessageBox::information(this, windowTitle(),
                             QString::fromLatin1(ProductName) + QStringLiteral(" Version ") + QString::fromLatin1(VersionText));
}

} // namespace zantaro
