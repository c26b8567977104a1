// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingHost: a fake GameHost for headless tests. It logs every drawing, cue, timer switch, wait,
// message and game window as one line of text, runs a fake clock that only moves when the game
// waits, and lets a test act at chosen moments (a stop press, a double-or-nothing result).
#pragma once

#include "game/host.h"
#include "game/script.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zantaro::testing {

class RecordingHost : public GameClock,
                      public Presenter,
                      public TimerSwitch,
                      public CuePlayer,
                      public Prompts,
                      public GameStorage
{
public:
    // The clock that reseeding reads: clockValue plus the time the game has waited, plus
    // reseedStep for every earlier reseed, so that spins without waits still see it move.
    std::int64_t clockValue = 0;
    std::int64_t reseedStep = 1;
    int reseeds = 0;
    // Clock values for the next reseeds, used up in order before the clock above is read.
    std::deque<std::int64_t> nextReseeds;
    std::chrono::milliseconds tick{0};
    // How far past its deadline a wait returns, as a busy event loop does; "wait" lines still
    // show the time asked for.
    std::chrono::milliseconds waitOvershoot{0};
    // How long a synchronous cue holds the game; the clock moves on by it without a "wait" line.
    std::chrono::milliseconds synchronousCueLength{0};
    bool animate = true;
    std::vector<std::string> log;
    // The game whose count of free spins to come a "freeSpinCount" line shows, when set.
    const GameState* game = nullptr;

    // Called whenever the game waits, after the clock has moved to the deadline.
    std::function<void()> onWait;
    std::function<void(DoubleOrNothingGame)> onDoubleOrNothing;
    // False: the double-or-nothing round is a window left open, which answers through
    // Machine::doubleOrNothingClosed.
    bool playsDoubleOrNothingAtOnce = true;
    // Called after every log line, to look at the game at the moment of a given host call.
    std::function<void(const std::string&)> onRecord;

    // Log lines that start with the prefix, in order.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;
    int count(const std::string& line) const;
    void clearLog() { log.clear(); }

    std::int64_t millisecondsSinceMidnightUtc() override;
    std::chrono::milliseconds tickCount() override { return tick; }
    bool showsAnimation() const override { return animate; }

    // Logs each change as the drawing it stands for: "cell 4", "motion 2 417", "capture 3",
    // "bounce 3 1", "readout shown", "freeSpinCount lit 2", ...
    void changed(Change change, const SpinView& view) override;

    void setTimerActive(GameTimer timer, bool active) override;
    void wakeAt(std::chrono::milliseconds) override {}
    std::chrono::milliseconds playCue(SoundCue cue) override;
    void showMessage(const Message& message) override { record("message " + englishText(message)); }
    bool playDoubleOrNothing(DoubleOrNothingGame game) override;
    void closeDoubleOrNothing() override { record("close game"); }
    void saveRunningGame() override { record("save"); }
    void spinSettled() override { record("settled"); }

    // Moves the clock to the end of a script's wait: a wait of the game's own as waitUntil, a
    // cue's hold as holdUntil.
    void passWait(const ScriptWait& wait);
    // A wait of the game's own: logged as "wait N" (the time asked for), the clock moved past the
    // deadline by waitOvershoot, then onWait called.
    void waitUntil(std::chrono::milliseconds deadline);
    // A synchronous cue's hold: the clock moves on without a "wait" line.
    void holdUntil(std::chrono::milliseconds deadline);

private:
    void record(const std::string& line);
    void record(const std::string& what, int number) { record(what + " " + std::to_string(number)); }
    void recordWheel(int wheel, const WheelLook& look);
};

} // namespace zantaro::testing
