// SPDX-License-Identifier: GPL-3.0-or-later
// Encodes mono samples as a 16-bit PCM wave file.
#pragma once

#include <QByteArray>
#include <vector>

namespace zantaro::assets {

// A complete RIFF/WAVE image: "fmt " chunk (PCM, one channel, 16 bits) and "data" chunk.
// Samples run from -1 to 1; anything beyond is clamped.
QByteArray waveFile(const std::vector<float>& samples, int sampleRate);

} // namespace zantaro::assets
