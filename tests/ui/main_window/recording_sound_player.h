// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingSoundPlayer: a silent sound player that remembers which cues started.
#pragma once

#include "platform/sound_player.h"

#include <vector>

namespace zantaro::testing {

class RecordingSoundPlayer : public SoundPlayer
{
public:
    std::vector<SoundCue> played;

    std::chrono::milliseconds play(SoundCue cue) override
    {
        played.push_back(cue);
        return fallbackCueLength(cue);
    }
    int count(SoundCue cue) const
    {
        int n = 0;
        for (const SoundCue each : played)
            n += each == cue;
        return n;
    }
};

} // namespace zantaro::testing
