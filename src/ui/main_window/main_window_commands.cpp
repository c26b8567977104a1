// The command strip's commands and the about box behind the logo.
#include "main_window.h"
#include "number_drawing.h"
#include "platform/help.h"
#include "platform/web_page.h"
#include "ui/dialogs/borrow_dialog.h"
#include "ui/dialogs/game_slot_dialog.h"
#include "ui/dialogs/payoff_chart_window.h"
#include "ui/dialogs/statistics_window.h"

#include <QMessageBox>

namespace zantaro {

// "New Game", the game slots and "Borrow" change the game as a whole, so they wait for a running
// spin to finish and pay; the toggles and the windows that only show something act at once.
void MainWindow::OptionsClick(int number)
{
    switch (number) {
    case HelpCommand:
        showHelpContents(helpFile());
        break;
    case PayModeCommand:
        flipToggle(number, m_state.PayMode);
        break;
    case PayChartCommand:
        PayoffChartWindow::open(m_programDirectory, helpTopicOpener(), this);
        break;
    case BorrowCommand:
        m_machine.runBetweenSpins([this] {
            showBorrowDialog();
            repaintWindow();
        });
        break;
    case NewGameCommand:
        m_machine.runBetweenSpins([this] {
            if (QMessageBox::question(this, windowTitle(), QStringLiteral("Start a New Game?"),
                                      QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
                m_machine.newGame();
                storeHistory();
            }
        });
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
    case SaveGameCommand:
        m_machine.runBetweenSpins([this] {
            m_state.SaveMode = true;
            showGameSlotDialog();
        });
        break;
    case LoadGameCommand:
        m_machine.runBetweenSpins([this] {
            m_state.SaveMode = false;
            showGameSlotDialog();
            repaintWindow();
        });
        break;
    case StatsCommand:
        StatisticsWindow(m_state, this, [this] { showHistory(); }).exec();
        break;
    default:
        break;
    }
}

QString MainWindow::helpFile() const
{
    return m_programDirectory + QStringLiteral("Zantaro.hlp");
}

std::function<void(int)> MainWindow::helpTopicOpener() const
{
    return [file = helpFile()](int topic) { showHelpTopic(file, topic); };
}

void MainWindow::showBorrowDialog()
{
    // The dialog draws its numbers with the window's own digits.
    const auto drawNumber = [this](QPainter& painter, std::int64_t value, int x, int y, bool yellow, bool rightAligned,
                                   bool tight) { DrawNumber(painter, m_artwork, value, x, y, {yellow, rightAligned, tight}); };
    BorrowDialog(m_state, drawNumber, helpTopicOpener(), this).exec();
}

void MainWindow::showGameSlotDialog()
{
    const auto saveLoad = [this](int slot, bool save, const std::string& name) {
        if (slot == CurrentGameSlot && save)
            storeRunningGame();
        else
            saveLoadGame(slot, save, name);
    };
    const auto readSlot = [this](int slot) {
        GameState stored = m_state;
        m_store.SaveLoadGame(stored, slot, false, {}, m_clock.today());
        return stored;
    };
    const bool opening = !m_state.SaveMode;
    if (GameSlotDialog(m_state, saveLoad, readSlot, helpTopicOpener(), this).exec() == QDialog::Accepted && opening)
        startEmptyHistory();
}

void MainWindow::flipToggle(int number, bool& flag)
{
    flag = !flag;
    m_commandStrip->updateToggleHint(number, m_state);
    m_presenter.drawCommandCaptions();
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
