// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound cues, synthesised: a short, fitting sound for each event.
#pragma once

#include <QString>
#include <vector>

namespace zantaro::assets {

inline constexpr int CueSampleRate = 44100; // room for the highs of clicks, coins and bells

struct CueSound
{
    QString fileName;
    std::vector<float> samples;
};

// All eleven cues, "Zanta0.wav" to "Zanta11.wav" without "Zanta3.wav".
std::vector<CueSound> cueSounds();

} // namespace zantaro::assets
