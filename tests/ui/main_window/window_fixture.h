// SPDX-License-Identifier: GPL-3.0-or-later
// WindowFixture: a real main window over a fake clock, a silent sound player, the generated
// artwork of the build and a settings directory of its own.
#pragma once

#include "fake_clock.h"
#include "recording_sound_player.h"
#include "ui/main_window/main_window.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

namespace zantaro::testing {

QString buildDirectory();

// While it lives, a message box that no answer waits for fails the running test and is closed, so
// a test that meets an unexpected box ends with its text instead of hanging on it.
// Draws one piece of the window as the game reports a change, with the spin's view as given.
inline void drawPiece(MainWindow& window, Piece piece, int index = 0, const SpinView& view = {})
{
    window.presenter().changed({piece, index}, view);
}
// The winnings readout shown or erased.
inline void drawWinningsReadout(MainWindow& window, bool shown)
{
    SpinView view;
    view.winningsShown = shown;
    drawPiece(window, Piece::Winnings, 0, view);
}
// A wheel drawn with the given look.
inline void drawWheel(MainWindow& window, int wheel, const WheelLook& look)
{
    SpinView view;
    view.wheels[static_cast<std::size_t>(wheel)] = look;
    drawPiece(window, Piece::Wheel, wheel, view);
}

class UnexpectedMessageBoxGuard
{
public:
    UnexpectedMessageBoxGuard();

private:
    QTimer m_poll;
};

// How many answers wait for message boxes (answerNextMessageBox, MessageBoxAnswerer): while any
// does, a box is expected.
int& pendingMessageBoxAnswers();

struct WindowFixture
{
    UnexpectedMessageBoxGuard guard;
    FakeClock clock;
    RecordingSoundPlayer sound;
    QTemporaryDir settings;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(ScreenFacts screen = {}, QString programDirectory = buildDirectory());
    // A new window over the same settings, as at the program's next start.
    void restart(ScreenFacts screen = {});
    QString settingsFile(const QString& name) const { return settings.filePath(name); }
    QString readSettingsFile(const QString& name) const;

    const GameState& state() const { return window->state(); }
    // Changes the running game as the test prepares it: the window opens the changed game.
    void prepare(const std::function<void(GameState&)>& change) const
    {
        GameState game = window->state();
        change(game);
        window->game().open(game);
    }
    // A click on a pixel of the layout, where the window's view shows it.
    void clickLayout(QPoint pixel) const;
    // Every wheel shows the symbol wherever it stops.
    void fillStrips(std::uint8_t symbol) const;
    // The next spin's reseed gives the lamp, whatever the clock has done so far.
    void endNextSpinOnLamp(int lamp);

private:
    QString m_programDirectory;
};

// Answers the next message box with the button and returns its text through `text`.
void answerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr);
// Presses the key on the next message box, as a player at the keyboard answers it.
void pressKeyOnNextMessageBox(Qt::Key key);
// Lets Qt run until no message box is open, each answered as above: a box that a spin opens does
// not hold the spin up, so it is answered after the input that opened it.
void waitForMessageBoxAnswers();

} // namespace zantaro::testing
