// SPDX-License-Identifier: GPL-3.0-or-later
// The command strip's commands and the about box behind the logo.
#include "main_window.h"
#include "number_drawing.h"
#include "platform/help.h"
#include "platform/web_page.h"
#include "ui/dialogs/borrow_dialog.h"
#include "ui/dialogs/game_slot_dialog.h"
#include "ui/dialogs/payoff_chart_window.h"
#include "ui/dialogs/statistics_window.h"
#include "ui/texts/message_text.h"

#include <QMessageBox>
#include <array>

namespace zantaro {

// What each command does, in the order of the Command numbers. "New Game", the game slots and
// "Borrow" change the game as a whole, so they wait for a running spin to finish and pay; the
// toggles and the windows that only show something act at once, and those windows and boxes open
// over the main window while a spin goes on.
void MainWindow::runCommand(int number)
{
    using Handler = void (*)(MainWindow&);
    static constexpr std::array<Handler, CommandCount> Handlers{
        [](MainWindow& w) { showHelpContents(w.helpFile()); }, // HelpCommand
        [](MainWindow& w) { w.flipToggle(PayModeCommand, GameOption::PayMode); },
        [](MainWindow& w) { PayoffChartWindow::open(w.m_programDirectory, w.helpTopicOpener(), &w); },
        [](MainWindow& w) { // BorrowCommand
            w.m_game.runBetweenSpins([&w] {
                w.showBorrowDialog();
                w.repaintWindow();
            });
        },
        [](MainWindow& w) { // NewGameCommand
            w.m_game.runBetweenSpins([&w] {
                if (w.confirm(tr("Start a New Game?"))) {
                    w.m_game.newGame();
                    w.storeHistory();
                }
            });
        },
        [](MainWindow& w) { // SummaryCommand
            w.openMessageBox(QMessageBox::Information,
                             w.state().spinReport.empty()
                                 ? tr("You must spin before viewing a summary of the last spin.")
                                 : reportText(w.state().spinReport));
        },
        [](MainWindow& w) { // AutoSpinCommand
            w.flipToggle(AutoSpinCommand, GameOption::AutoSpin);
            if (w.state().autoSpin)
                w.m_game.requestSpin();
        },
        [](MainWindow& w) { // ExitCommand
            w.askThen(tr("Are you sure you want to exit the game?"), [&w] { w.close(); });
        },
        [](MainWindow& w) { w.flipToggle(SoundCommand, GameOption::Sound); },
        [](MainWindow& w) { w.openWebSite(); },
        [](MainWindow& w) { w.flipToggle(DoubleCommand, GameOption::Double); },
        [](MainWindow& w) { // SaveGameCommand
            w.m_game.runBetweenSpins([&w] { w.showGameSlotDialog(true); });
        },
        [](MainWindow& w) { // LoadGameCommand
            w.m_game.runBetweenSpins([&w] {
                w.showGameSlotDialog(false);
                w.repaintWindow();
            });
        },
        [](MainWindow& w) { w.openWindow(new StatisticsWindow(w.state(), &w, [&w] { w.showHistory(); })); },
    };
    if (number >= 0 && number < CommandCount)
        Handlers[static_cast<std::size_t>(number)](*this);
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
    const auto paintNumber = [this](QPainter& painter, std::int64_t value, int x, int y, bool yellow,
                                    bool rightAligned, bool tight) {
        drawNumber(painter, m_artwork, value, x, y, {yellow, rightAligned, tight});
    };
    const auto moveCredits = [this](BorrowMode mode, std::int32_t amount) {
        return m_game.moveCredits(mode, amount);
    };
    BorrowDialog(state(), moveCredits, paintNumber, helpTopicOpener(), this).exec();
}

void MainWindow::showGameSlotDialog(bool save)
{
    const auto saveLoad = [this](int slot, bool save, const std::string& name) {
        if (slot == CurrentGameSlot && save) {
            storeRunningGame();
            return true;
        }
        // Opening a slot replaces the running game; its progress kept in no slot would be lost.
        if (!save && !m_game.progressIsKept(m_store, m_clock.today()) &&
            !confirm(tr("Your current game is not saved. Open this game anyway?")))
            return false;
        return saveLoadGame(slot, save, name);
    };
    const auto readSlot = [this](int slot) { return m_game.readSlot(m_store, slot, m_clock.today()); };
    if (GameSlotDialog(save, saveLoad, readSlot, helpTopicOpener(), this).exec() == QDialog::Accepted &&
        !save)
        storeHistory(); // an opened slot starts an empty history
}

// A question whose Yes discards or ends something: No is the default and Escape's answer, so the
// spin key Enter never answers Yes by accident.
static QMessageBox* questionBox(const QString& question, QWidget* parent)
{
    auto* box = new QMessageBox(QMessageBox::Question, parent->windowTitle(), question,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool MainWindow::confirm(const QString& question)
{
    const std::unique_ptr<QMessageBox> box(questionBox(question, this));
    return box->exec() == QMessageBox::Yes;
}

void MainWindow::askThen(const QString& question, std::function<void()> onYes)
{
    QMessageBox* box = questionBox(question, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [box, onYes = std::move(onYes)] {
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            onYes();
    });
    box->open();
}

void MainWindow::openWindow(QDialog* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void MainWindow::flipToggle(int number, GameOption option)
{
    m_game.toggle(option);
    m_commandStrip->updateToggleHint(number, state());
    m_presenter.changed({Piece::CommandCaptions}, m_game.spinView());
}

void MainWindow::openWebSite()
{
    if (openWebPage(gameWebPage()))
        return;
    // The address follows once the player has read that no browser was found.
    QMessageBox* noBrowser =
        openMessageBox(QMessageBox::Critical, tr("Could not find a web browser on your system!"));
    connect(noBrowser, &QMessageBox::finished, this, [this] {
        openMessageBox(QMessageBox::Information, tr("Please visit Hollowmere at:  %1").arg(homeWebPage()));
    });
}

void MainWindow::showAbout()
{
    openMessageBox(
        QMessageBox::Information,
        tr("%1 Version %2").arg(QString::fromLatin1(ProductName), QString::fromLatin1(VersionText)));
}

} // namespace zantaro
