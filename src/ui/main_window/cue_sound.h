// SPDX-License-Identifier: GPL-3.0-or-later
// CueSound: the game's cues through the sound player; a synchronous cue holds the game for its
// length while the window stays live.
#pragma once

#include "game/host.h"
#include "platform/clock.h"
#include "platform/sound_player.h"

namespace zantaro {

class CueSound : public CuePlayer
{
public:
    CueSound(SoundPlayer& sound, Clock& clock) : m_sound(sound), m_clock(clock) {}
    void playCue(SoundCue cue) override;

private:
    SoundPlayer& m_sound;
    Clock& m_clock;
};

} // namespace zantaro
