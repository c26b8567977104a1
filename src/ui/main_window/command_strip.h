// SPDX-License-Identifier: GPL-3.0-or-later
// CommandStrip: the fourteen command buttons stacked in two columns above the spin button, each a
// picture of the blank button face with its caption painted on in the device pixels it covers, a
// hint, an Alt shortcut, and a command number; the four toggles are checkable buttons whose state
// follows the game.
#pragma once

#include "game/game_state.h"
#include "picture_button.h"
#include "window_layout.h"
#include "window_view.h"

#include <QImage>
#include <QKeySequence>
#include <array>
#include <functional>
#include <optional>

namespace zantaro {

enum Command
{
    HelpCommand,
    PayModeCommand,
    PayChartCommand,
    BorrowCommand,
    NewGameCommand,
    SummaryCommand,
    AutoSpinCommand,
    ExitCommand,
    SoundCommand,
    WebSiteCommand,
    DoubleCommand,
    SaveGameCommand,
    LoadGameCommand,
    StatsCommand,
    CommandCount
};

class CommandStrip
{
public:
    // `blankFace` is the blank face at its largest; each button shows it shrunk to its own pixels.
    CommandStrip(QImage blankFace, QWidget* window, std::function<void(int)> onCommand);

    // Puts the buttons where the view shows the layout's strip, at `devicePixelRatio`, and sizes
    // the captions for them; the captions are painted again by drawCommandCaptions.
    void place(const WindowLayout& layout, const WindowView& view, qreal devicePixelRatio);
    // Paints every caption in the colour of its toggle's state.
    void drawCommandCaptions(const GameState& state);
    // The four toggles' checked states follow their options.
    void showToggleStates(const GameState& state);
    // A toggle's hint tells the state its flag is now in.
    void updateToggleHint(int number, const GameState& state);

    PictureButton& button(int number) { return *m_buttons[static_cast<std::size_t>(number)]; }
    // The captions' font size in device pixels.
    int captionPixels() const { return m_captionPixels; }

private:
    QImage m_blankFace;
    int m_captionPixels = 0;
    std::array<PictureButton*, CommandCount> m_buttons{};
};

// The caption of a command button and the colour it is painted in for the game's state.
QString commandCaption(int number);
QKeySequence commandShortcut(int number);
// Whether a toggle's option is on; nothing for a command that is no toggle.
std::optional<bool> toggleState(int number, const GameState& state);
QColor captionColour(int number, const GameState& state);

} // namespace zantaro
