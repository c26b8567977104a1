// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "platform/help.h"
#include "platform/zoom_choice.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zantaro {

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent), m_clock(services.clock), m_sound(services.sound), m_screen(services.screen),
      m_programDirectory(services.programDirectory), m_settingsDirectory(services.settingsDirectory),
      m_store(m_files, settingsFile(SavedGameFileName)),
      m_game(GameHost(m_clock, m_presenter, m_timers, m_cueSound, *this, *this)), m_artwork(builtInArtwork()),
      m_painter(m_game.state(), m_artwork, m_layout, services.screen.dotsPerInch, m_canvas),
      m_presenter(
          m_painter, [this] { m_commandStrip->drawCommandCaptions(m_game.state()); },
          [this](Readout readout) { notifyPaintedItemChanged(this, static_cast<int>(readout)); }),
      m_cueSound(m_sound), m_timers(m_game, m_clock)
{
    installMachineAccessibility(); // before any control of the window is made
    setWindowTitle(tr("Zantaro Slots"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    m_artworkComplete = loadArtwork(m_artwork, m_programDirectory, m_screen);
    // Qt scales the window by the start-up zoom; the view loads the pictures for its pixels.
    m_layout = layoutWindow(m_artwork, devicePixelRatioF());
    m_logo = new PictureButton(0, this);
    m_logo->setText(tr("About Zantaro Slots"));
    connect(m_logo, &QAbstractButton::clicked, this, [this] { showAbout(); });
    m_commandStrip = std::make_unique<CommandStrip>(largestBlankFace(m_artwork, m_programDirectory, m_screen),
                                                    this, [this](int number) { runCommand(number); });
    placeWindow();

    saveLoadGame(CurrentGameSlot, false, {});
    m_game.openHistory(m_historyFile.read());
    applyView();
    repaintWindow();
    addKeyboardControls();
    if (rememberedFullScreen())
        setFullScreen(true);
}

MainWindow::~MainWindow() = default;

std::string MainWindow::settingsFile(const char* name) const
{
    return (m_settingsDirectory + QLatin1Char('/') + QLatin1String(name)).toStdString();
}

// Everything in the window is placed from the screen's width; the window is as tall as the drawn
// layout, grows but does not shrink, and stands centred in the screen's available area. A window
// that may grow is one the window manager lets fill the screen.
void MainWindow::placeWindow()
{
    QSize size = windowSize(QSize(m_screen.width, m_screen.height), m_layout.drawnBottom);
    if (m_layout.drawnBottom <= 0)
        size.setHeight(m_screen.height); // no machine picture to measure by
    setMinimumSize(size);
    resize(size);
    const QSize framed = size.grownBy(FrameAllowance);
    move(m_screen.left + (m_screen.width - framed.width()) / 2,
         m_screen.top + (m_screen.height - framed.height()) / 2);
    m_windowedGeometry = geometry();
}

bool MainWindow::saveLoadGame(int slot, bool save, const std::string& name, bool reportFailure)
{
    try {
        if (save)
            m_game.storeSlot(m_store, slot, name, m_clock.today());
        else
            m_game.openSlot(m_store, slot, m_clock.today());
        return true;
    } catch (const SaveFileError& error) {
        if (reportFailure)
            reportWriteFailure(writeFailureText(error.path()));
        return false;
    }
}

// Qt asks for a paint when the window is first shown or its picture was lost: everything is drawn
// from the game as it stands. Every other change is drawn as the game reports it.
void MainWindow::paintEvent(QPaintEvent*)
{
    m_canvas.paintEvent([this] {
        m_painter.paintWholeWindow();
        drawFocusedSpot();
    });
}

// The layout pixel under the middle of the device pixel pressed.
void MainWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = m_view.toLayout(event->position() + QPointF(0.5, 0.5) / devicePixelRatioF());
    pressAt(at.x(), at.y());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pressScreenKey(event->key()))
        pressKey(event->key());
}

// Every mouse button acts alike. Only the spin and stop buttons exclude each other; each
// adjuster test runs whatever the earlier ones found.
void MainWindow::pressAt(int x, int y)
{
    const HitRect& stop = m_layout.stopRect;
    const HitRect& spin = m_layout.spinRect;
    if (stop.left <= x && x <= stop.right) {
        if (stop.top <= y && y <= stop.bottom)
            m_game.requestStop();
        else if (spin.top <= y && y <= spin.bottom)
            m_game.requestSpin();
    }
    if (m_layout.linesPlusRect.contains(x, y))
        m_game.addLine();
    if (m_layout.linesMinusRect.contains(x, y))
        m_game.removeLine();
    if (m_layout.coinsPlusRect.contains(x, y))
        m_game.addCoin();
    if (m_layout.coinsMinusRect.contains(x, y))
        m_game.removeCoin();
}

void MainWindow::pressKey(int key)
{
    switch (key) {
    case Qt::Key_F1:
        showHelpTopic(helpFile(), HelpTopic::MainWindow);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_game.requestSpin();
        break;
    case Qt::Key_Space:
        m_game.requestStop();
        break;
    case Qt::Key_C:
        m_game.addCoin();
        break;
    case Qt::Key_L:
        m_game.addLine();
        break;
    case Qt::Key_K:
        m_game.removeLine();
        break;
    case Qt::Key_X:
        m_game.removeCoin();
        break;
    case Qt::Key_R:
        readLastSpin();
        break;
    case Qt::Key_B:
        readBalance();
        break;
    case Qt::Key_H:
        // The recall of a spin under way is not complete; the window opens once it has settled.
        if (!state().spinning)
            showHistory();
        break;
    default:
        break;
    }
}

} // namespace zantaro
