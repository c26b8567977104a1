// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the screen: the layout centred in the window, full screen through F11 or the
// window manager at the largest scale that fits, back by F11 or Escape, and the full-screen state
// kept for the next start in a settings file of its own.
#include "main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <algorithm>

namespace zantaro {

namespace {

// Beside the saved games, whose file keeps its own format.
constexpr const char* WindowSettingsFileName = "Window.ini";
constexpr const char* FullScreenKey = "FullScreen";

// A window of the game other than the main one is open: Escape is meant for it.
bool otherWindowOpen(const QWidget* mainWindow)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [mainWindow](const QWidget* window) {
        return window != mainWindow && window->isVisible() && window->windowType() != Qt::ToolTip &&
               window->windowType() != Qt::Popup;
    });
}

} // namespace

void MainWindow::setFullScreen(bool on)
{
    setWindowState(windowState().setFlag(Qt::WindowFullScreen, on));
}

// Full screen comes from F11 or from the window manager; either way the window fills the screen.
// Without a window manager nobody else gives it the screen's size, or its own size back.
void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isFullScreen() != rememberedFullScreen())
        rememberFullScreen(isFullScreen());
    // Through the window handle: the widget's own geometry calls would end its full-screen state.
    QWindow* window = windowHandle();
    const QRect screenArea = screen() ? screen()->geometry() : QRect();
    if (isFullScreen() && geometry() != screenArea) {
        m_windowedGeometry = geometry();
        if (window && !screenArea.isEmpty())
            window->setGeometry(screenArea);
    } else if (window && windowState() == Qt::WindowNoState && geometry() == screenArea) {
        window->setGeometry(m_windowedGeometry);
    }
    applyView();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyView();
}

// The canvas, the logo and the command strip stand where the view puts the layout, and the
// pictures are loaded for the device pixels a layout pixel then covers. The window is drawn
// again as a whole.
void MainWindow::applyView()
{
    const qreal zoom = devicePixelRatioF();
    m_view = WindowView::centred(m_layout.size, size(), zoom, isFullScreen());
    m_canvas.setView(m_view.transform());
    const qreal ratio = zoom * m_view.scale();
    if (!qFuzzyCompare(ratio, m_artwork.sharpRatio))
        loadSharpArtwork(m_artwork, m_programDirectory, m_screen, ratio);
    m_logo->place(m_view.toWindow(QRect(m_layout.logoTopLeft, m_artwork.logo.size())),
                  sharpestPicture(m_artwork, &ArtworkPictures::logo));
    m_commandStrip->place(m_layout, m_view, zoom);
    m_commandStrip->drawCommandCaptions(state());
    placeKeyboardControls();
    update();
}

bool MainWindow::pressScreenKey(int key)
{
    if (key == Qt::Key_F11) {
        setFullScreen(!isFullScreen());
        return true;
    }
    if (key == Qt::Key_Escape && isFullScreen() && !otherWindowOpen(this)) {
        setFullScreen(false);
        return true;
    }
    return false;
}

QImage MainWindow::shownPixels() const
{
    const QImage window = m_canvas.pixels();
    if (window.isNull())
        return window;
    const QPoint origin = (m_view.offset() * devicePixelRatioF()).toPoint();
    return window.copy(QRect(origin, window.size() - QSize(origin.x(), origin.y())));
}

bool MainWindow::rememberedFullScreen() const
{
    const QSettings settings(QString::fromStdString(settingsFile(WindowSettingsFileName)),
                             QSettings::IniFormat);
    return settings.value(QLatin1String(FullScreenKey), false).toBool();
}

// A file that cannot be written only means the next start opens in a window.
void MainWindow::rememberFullScreen(bool on) const
{
    QSettings settings(QString::fromStdString(settingsFile(WindowSettingsFileName)), QSettings::IniFormat);
    settings.setValue(QLatin1String(FullScreenKey), on);
}

} // namespace zantaro
