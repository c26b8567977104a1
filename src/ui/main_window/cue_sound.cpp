// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_sound.h"

namespace zantaro {

void CueSound::playCue(SoundCue cue)
{
    const std::chrono::milliseconds length = m_sound.play(cue);
    if (soundCueInfo(cue).playback == Playback::Synchronous)
        m_clock.waitUntil(m_clock.tickCount() + length);
}

} // namespace zantaro
