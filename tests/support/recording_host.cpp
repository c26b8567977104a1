// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_host.h"

#include "game/paytable.h"

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

void RecordingHost::changed(Change change, const SpinView& view)
{
    const int index = change.index;
    switch (change.piece) {
    case Piece::Wheel:
        recordWheel(index, view.wheels[static_cast<std::size_t>(index)]);
        return;
    case Piece::Lamp:
        return record("lamp", index);
    case Piece::LineHighlight:
        return record("highlight", index);
    case Piece::LineCleared:
        for (const int wheel : Paylines[index])
            recordWheel(wheel, {WheelLook::Kind::Stopped});
        return;
    case Piece::Winnings:
        return record(view.winningsShown ? "readout shown" : "readout cleared");
    case Piece::FreeSpinCount:
        return record("freeSpinCount " + std::string(view.freeSpinCountLit ? "lit " : "dark ") +
                      std::to_string(game ? game->freeSpinsPending : 0));
    case Piece::Credits:
        return record("credits");
    case Piece::BonusPool:
        return record("bonusPool");
    case Piece::LightningRow:
        return record("lightning");
    case Piece::BonusPyramid:
        return record("pyramid");
    case Piece::LinesPlayed:
        return record("linesPlayed");
    case Piece::CoinsPerLine:
        return record("coinsPerLine");
    case Piece::CoinsPlayed:
        return record("coinsPlayed");
    case Piece::FreeSpinLabel:
        return record("freeSpinLabel");
    case Piece::CommandCaptions:
        return record("captions");
    case Piece::Window:
        return record("repaint");
    }
}

void RecordingHost::recordWheel(int wheel, const WheelLook& look)
{
    const std::string w = std::to_string(wheel);
    switch (look.kind) {
    case WheelLook::Kind::Resting:
        return record("cell " + w);
    case WheelLook::Kind::Turning:
        return record("motion " + w + " " + std::to_string(look.motionOffset));
    case WheelLook::Kind::Stopped:
        record("blank " + w);
        return record("cell " + w);
    case WheelLook::Kind::Bouncing:
        if (look.bounceFrame == 0)
            record("capture " + w);
        return record("bounce " + w + " " + std::to_string(look.offsetDown));
    }
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
