// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow: the machine's window. It owns the game, draws it from the artwork straight into the
// window's pixels, takes the player's clicks and keys, and is the host that the spin runs in.
#pragma once

#include "artwork.h"
#include "command_strip.h"
#include "cue_sound.h"
#include "game/game.h"
#include "game/game_state.h"
#include "game/host.h"
#include "game/saved_game_store.h"
#include "machine_accessibility.h"
#include "machine_painter.h"
#include "machine_timers.h"
#include "platform/atomic_file_access.h"
#include "platform/clock.h"
#include "platform/history_file.h"
#include "platform/screen_facts.h"
#include "platform/sound_player.h"
#include "window_canvas.h"
#include "window_layout.h"
#include "window_presenter.h"
#include "window_view.h"

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zantaro {

// What the window needs from the world; tests give fakes.
struct MainWindowServices
{
    Clock& clock;
    SoundPlayer& sound;
    ScreenFacts screen;
    QString programDirectory;  // with a trailing separator
    QString settingsDirectory; // where "Zantaro.ini" and "qxupdate.ini" live
};

class HotSpot;
class ReadingSpot;

class MainWindow : public QWidget, public Prompts, public GameStorage, public PaintedItems
{
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const GameState& state() const { return m_game.state(); }
    Game& game() { return m_game; }
    const Artwork& artwork() const { return m_artwork; }
    const WindowLayout& layout() const { return m_layout; }
    // Where the layout stands in the window: centred, and as large as fits in full screen.
    const WindowView& view() const { return m_view; }
    // The window's pixels as shown (device pixels); null until the window has been painted.
    QImage shownWindowPixels() const { return m_canvas.pixels(); }
    // The same from the layout's origin on, where the view puts it, to the window's right and
    // bottom edges: unscaled, layout pixel (x, y) is pixel (x, y) times the pixel ratio here.
    QImage shownPixels() const;
    // True once the window has been painted: from then on each change is drawn as it happens.
    bool painted() const { return m_canvas.painted(); }
    bool isTimerActive(GameTimer timer) const { return m_timers.isActive(timer); }
    CommandStrip& commandStrip() { return *m_commandStrip; }
    PictureButton& logo() { return *m_logo; }

    // A click on command button `number` of the strip.
    void runCommand(int number);
    // The about box behind the logo.
    void showAbout();
    // Closes as the close box does but asks nothing (logout, shutdown, Ctrl+C): open dialogs and
    // message boxes close first, a due update reminder waits for the next ordinary close, and
    // failures go to standard error.
    void closeWithoutQuestions();
    // The desktop session is ending: the game is stored now, a running spin as soon as it has paid.
    void storeForSessionEnd();
    // Shows the window above the others (a second copy of the game was started).
    void bringToFront();
    // Fills the screen with the machine or goes back to the window, as F11 does.
    void setFullScreen(bool on);
    // False when a required artwork file was missing at start-up.
    bool artworkComplete() const { return m_artworkComplete; }

    // The history window over the running game's last spins (key H, and the statistics window).
    void showHistory();

    // Writes or reads a saved-game slot; a failed write returns false and, unless told to keep
    // quiet, is reported in a message box.
    bool saveLoadGame(int slot, bool save, const std::string& name, bool reportFailure = true);

    // What the game draws through; tests draw single pieces with it.
    Presenter& presenter() { return m_presenter; }
    // Draws the whole window (the repaint the game also asks for).
    void repaintWindow() { m_presenter.changed({Piece::Window}, m_game.spinView()); }

    // Prompts
    void showMessage(const Message& message) override;
    bool playDoubleOrNothing(DoubleOrNothingGame game) override;
    void closeDoubleOrNothing() override;
    // GameStorage
    void saveRunningGame() override;
    // PaintedItems: the readouts, the lit lamp and the wheels as assistive technology reads them.
    int paintedItemCount() const override;
    PaintedItem paintedItem(int index) const override;
    // The texts read on demand, by the keys R and B.
    void readLastSpin();
    void readBalance();
    // Each paid spin stores the running game, so a crash or a kill loses at most the spin under way.
    void spinSettled() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The path of a settings file in the settings directory.
    std::string settingsFile(const char* name) const;
    void placeWindow();
    void runUpdateReminder();
    void reportWriteFailure(const QString& message);
    // A message box over the window that nothing waits for.
    QMessageBox* openMessageBox(QMessageBox::Icon icon, const QString& text);
    static QString writeFailureText(const std::string& path);
    static QString updateReminderQuestion();
    void flipToggle(int number, GameOption option);
    // Asks and returns the answer: for commands between spins.
    bool confirm(const QString& question);
    // Asks without waiting; a Yes runs `onYes` (a command a spin may be running under).
    void askThen(const QString& question, std::function<void()> onYes);
    // A side window over the main window that nothing waits for; it deletes itself when closed.
    void openWindow(QDialog* window);
    void openWebSite();
    void showBorrowDialog();
    void showGameSlotDialog(bool save);
    // Stores the running game in "CurrentGame" between the player's own saves (after a paid spin,
    // auto spin's periodic save, opening the game slots); a failure is told once until one succeeds.
    void storeRunningGame();
    // Writes the game's history to its file (after a paid spin, a new game or an opened slot).
    void storeHistory();
    QString helpFile() const;
    std::function<void(int)> helpTopicOpener() const;
    void pressAt(int x, int y);
    void pressKey(int key);
    void addKeyboardControls();
    // The keyboard's spots over painted controls stand where the view shows those controls.
    void placeKeyboardControls();
    QRect wheelsRect() const;
    PaintedItem paintedItemInLayout(int index) const;
    void drawFocusedSpot();
    void announceSettledSpin();
    static QString symbolName(int symbol);
    // The window on the screen (main_window_screen.cpp): the view, the keys that switch full
    // screen, and the state kept for the next start.
    void applyView();
    bool pressScreenKey(int key);
    bool rememberedFullScreen() const;
    void rememberFullScreen(bool on) const;

    Clock& m_clock;
    SoundPlayer& m_sound;
    const ScreenFacts m_screen;
    const QString m_programDirectory;
    const QString m_settingsDirectory;
    AtomicFileAccess m_files;
    SavedGameStore m_store;
    HistoryFile m_historyFile{m_files, QString::fromStdString(settingsFile(HistoryFileName))};

    Game m_game;

    Artwork m_artwork;
    bool m_artworkComplete = false;
    WindowLayout m_layout;
    WindowView m_view;
    QRect m_windowedGeometry; // where the window stood before it last filled the screen
    WindowCanvas m_canvas{*this};
    MachinePainter m_painter;
    std::unique_ptr<CommandStrip> m_commandStrip;
    PictureButton* m_logo = nullptr;
    ReadingSpot* m_outcomeSpot = nullptr;
    ReadingSpot* m_balanceSpot = nullptr;
    std::vector<std::pair<HotSpot*, HitRect>> m_hotSpots; // each over the painted control of its area

    // The small parts the game talks to.
    WindowPresenter m_presenter;
    CueSound m_cueSound;
    MachineTimers m_timers;
    QPointer<QDialog> m_doubleOrNothingWindow;
    bool m_closing = false;    // the close is under way (its reminder question may be open)
    bool m_quietClose = false; // closing for the desktop or a signal: no questions
    // A store of the running game failed and the player has been told; told again only after a
    // store has succeeded, so an unwritable settings directory does not stop every spin.
    bool m_runningStoreFailing = false;
};

} // namespace zantaro
