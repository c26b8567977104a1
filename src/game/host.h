// GameHost: everything the rules need from the outside world - the window's drawing, the timers,
// the sound, the clock, waiting, message boxes and the double-or-nothing windows. The main window
// implements it; tests and the simulator fake it, so every rule runs headless.
#pragma once

#include "sound_cue.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace zantaro {

enum class GameTimer { LampBlink, LineFlash, FreeSpinBlink }; // Timer1, Timer4, Timer5

enum class DoubleOrNothingGame { Pyramid, CardGame };

class GameHost
{
public:
    virtual ~GameHost() = default;

    // Clock. Reseeding reads the milliseconds since midnight UTC; pacing reads a monotonic tick.
    virtual std::int64_t millisecondsSinceMidnightUtc() = 0;
    virtual std::chrono::milliseconds tickCount() = 0;

    // Handles input and timers until tickCount() reaches the deadline; returns at once when it
    // already has.
    virtual void waitUntil(std::chrono::milliseconds deadline) = 0;

    // False when nobody watches the wheels (the simulator): the spin then skips the frames of its
    // animation and keeps only their effect on the game - the lamp draws.
    virtual bool showsAnimation() const { return true; }

    // Partial redraws of the main window.
    virtual void DrawWheelCell(int wheel) = 0;
    virtual void DrawLamp(int lamp) = 0;
    virtual void DrawCredits() = 0;
    virtual void DrawBonusPool() = 0;
    virtual void DrawLightningRow() = 0;
    virtual void DrawBonusPyramid() = 0;
    virtual void DrawLinesPlayed() = 0;
    virtual void DrawCoinsPerLine() = 0;
    virtual void DrawCoinsPlayed() = 0;
    virtual void DrawWinningsReadout(bool show) = 0;
    virtual void DrawCommandCaptions() = 0;
    virtual void DrawFreeSpinText(const std::string& text, bool lit) = 0;
    // Draws the "Win 3 FREE Spins:" label again where the free-spin count blinked over it.
    virtual void drawFreeSpinLabel() = 0;
    virtual void repaintWindow() = 0;

    // The wheel animation: a window of the motion strip, the white blank behind a stopping
    // wheel, and the bounce of a stopped wheel's captured picture.
    virtual void drawMotionFrame(int wheel, int motionOffset) = 0;
    virtual void fillWheelBlank(int wheel) = 0;
    virtual void captureWheel(int wheel) = 0;
    virtual void drawCapturedWheel(int wheel, int offsetDown) = 0;
    virtual void drawLineHighlight(int line) = 0;

    virtual void setTimerActive(GameTimer timer, bool active) = 0;

    // Called only while the Sound option is on. A synchronous cue returns when it has played.
    virtual void playCue(SoundCue cue) = 0;

    virtual void showMessage(const std::string& text) = 0;

    // Opens the game's window modally on GameState::Winnings and returns when it closes.
    virtual void playDoubleOrNothing(DoubleOrNothingGame game) = 0;

    // Stores the running game in the "CurrentGame" slot (auto spin's periodic save).
    virtual void saveRunningGame() = 0;

    // Each spin, regular or free, has been evaluated and paid.
    virtual void spinSettled() {}
};

} // namespace zantaro
