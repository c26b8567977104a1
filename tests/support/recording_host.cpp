// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_host.h"

#include <algorithm>

namespace zantaro::testing {

std::vector<std::string> RecordingHost::linesStartingWith(const std::string& prefix) const
{
    std::vector<std::string> lines;
    std::copy_if(log.begin(), log.end(), std::back_inserter(lines),
                 [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    return lines;
}

int RecordingHost::count(const std::string& line) const
{
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

std::int64_t RecordingHost::millisecondsSinceMidnightUtc()
{
    std::int64_t value = (clockValue + tick.count() + reseeds * reseedStep) % 86'400'000;
    if (!nextReseeds.empty()) {
        value = nextReseeds.front();
        nextReseeds.pop_front();
    }
    ++reseeds;
    record("reseed " + std::to_string(value));
    return value;
}

void RecordingHost::waitUntil(std::chrono::milliseconds deadline)
{
    if (deadline > tick) {
        record("wait " + std::to_string((deadline - tick).count()));
        tick = deadline + waitOvershoot;
    }
    if (onWait)
        onWait();
}

void RecordingHost::holdUntil(std::chrono::milliseconds deadline)
{
    tick = std::max(tick, deadline);
}

void RecordingHost::passWait(const ScriptWait& wait)
{
    if (wait.kind == ScriptWait::Kind::CueHold)
        holdUntil(wait.until);
    else
        waitUntil(wait.until);
}

void RecordingHost::record(const std::string& line)
{
    log.push_back(line);
    if (onRecord)
        onRecord(line);
}

void RecordingHost::drawFreeSpinCount(std::int32_t freeSpinsPending, bool lit)
{
    record("freeSpinCount " + std::string(lit ? "lit " : "dark ") + std::to_string(freeSpinsPending));
}

void RecordingHost::drawMotionFrame(int wheel, int motionOffset)
{
    record("motion " + std::to_string(wheel) + " " + std::to_string(motionOffset));
}

void RecordingHost::drawCapturedWheel(int wheel, int offsetDown)
{
    record("bounce " + std::to_string(wheel) + " " + std::to_string(offsetDown));
}

void RecordingHost::setTimerActive(GameTimer timer, bool active)
{
    static constexpr const char* names[] = {"LampBlink", "LineFlash", "FreeSpinBlink"};
    record(std::string("timer ") + names[static_cast<int>(timer)] + (active ? " on" : " off"));
}

std::chrono::milliseconds RecordingHost::playCue(SoundCue cue)
{
    record("cue " + std::string(soundCueInfo(cue).name));
    return soundCueInfo(cue).playback == Playback::Synchronous ? synchronousCueLength
                                                               : std::chrono::milliseconds{0};
}

bool RecordingHost::playDoubleOrNothing(DoubleOrNothingGame game)
{
    record(game == DoubleOrNothingGame::Pyramid ? "game Pyramid" : "game CardGame");
    if (onDoubleOrNothing)
        onDoubleOrNothing(game);
    return playsDoubleOrNothingAtOnce;
}

} // namespace zantaro::testing
