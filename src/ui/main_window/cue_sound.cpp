// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_sound.h"

namespace zantaro {

std::chrono::milliseconds CueSound::playCue(SoundCue cue)
{
    const std::chrono::milliseconds length = m_sound.play(cue);
    return soundCueInfo(cue).playback == Playback::Synchronous ? length : std::chrono::milliseconds{0};
}

} // namespace zantaro
