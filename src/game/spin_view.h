// SPDX-License-Identifier: GPL-3.0-or-later
// SpinView: what the picture shows beyond the game's state - each wheel's look as the spin
// animates it, whether the winnings readout shows, the blink of the free-spin count and the flash
// of a paying line - and Change, the one notice the rules give the presenter when a piece of the
// picture is to be drawn again from the state and this view.
#pragma once

#include "game_state.h"

#include <array>
#include <cstdint>

namespace zantaro {

// How one wheel shows: at rest on its symbol, turning (a window of the motion strip), stopped on
// a white blank, or bouncing (the picture captured on its first bounce frame, moved up or down).
struct WheelLook
{
    enum class Kind : std::uint8_t
    {
        Resting,
        Turning,
        Stopped,
        Bouncing
    };
    Kind kind = Kind::Resting;
    // Turning: the motion strip's row at the top of the wheel's window.
    int motionOffset = 0;
    // Bouncing: the frame of the bounce (0 captures the stopped picture), and how far below its
    // resting place the picture lies.
    int bounceFrame = 0;
    int offsetDown = 0;
};

struct SpinView
{
    std::array<WheelLook, WheelCount> wheels{};
    bool winningsShown = false;
    // The count of free spins still to come blinks over the "Win 3 FREE Spins:" label.
    bool freeSpinCountLit = false;
    // The flash of the paying lines after a win: flashes of the line shown so far, and whether
    // its highlight is drawn.
    std::int32_t highlightTicks = 0;
    bool highlightPhase = false;
};

// The pieces of the picture, each drawn from GameState and SpinView.
enum class Piece : std::uint8_t
{
    Wheel,         // index: the wheel, drawn as its look says
    Lamp,          // index: the lamp, lit as GameState::lamps says
    LineHighlight, // index: the payline, hatched over its three wheels
    LineCleared,   // index: the payline's three wheels drawn at rest over a white blank
    Credits,
    BonusPool,
    LightningRow,
    BonusPyramid,
    LinesPlayed,
    CoinsPerLine,
    CoinsPlayed,
    Winnings,      // shown or cleared as SpinView::winningsShown says
    FreeSpinCount, // lit or dark as SpinView::freeSpinCountLit says
    FreeSpinLabel, // the "Win 3 FREE Spins:" label over the place where the count blinked
    CommandCaptions,
    Window, // everything, in the window's fixed order
};

struct Change
{
    Piece piece;
    int index = 0;
};

} // namespace zantaro
