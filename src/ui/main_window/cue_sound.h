// SPDX-License-Identifier: GPL-3.0-or-later
// CueSound: the game's cues through the sound player; tells the game how long a synchronous cue
// holds it (its length).
#pragma once

#include "game/host.h"
#include "platform/sound_player.h"

namespace zantaro {

class CueSound : public CuePlayer
{
public:
    explicit CueSound(SoundPlayer& sound) : m_sound(sound) {}
    std::chrono::milliseconds playCue(SoundCue cue) override;

private:
    SoundPlayer& m_sound;
};

} // namespace zantaro
