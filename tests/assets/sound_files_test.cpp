// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

struct CueFile
{
    const char* name;
    double shortest; // seconds
    double longest;
};

void PrintTo(const CueFile& cue, std::ostream* out)
{
    *out << cue.name;
}

class SoundCue : public ::testing::TestWithParam<CueFile>
{
};

TEST_P(SoundCue, isA16BitMonoPcmWaveOfFittingLength)
{
    const WaveFile wave = readWave(QString::fromLatin1(GetParam().name));
    ASSERT_TRUE(wave.riffValid);
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_TRUE(wave.sampleRate == 22050 || wave.sampleRate == 44100) << wave.sampleRate;
    EXPECT_EQ(wave.blockAlign, 2);
    EXPECT_EQ(wave.byteRate, wave.sampleRate * 2);
    EXPECT_EQ(wave.dataSize, wave.samples.size() * 2);
    EXPECT_EQ(QFileInfo(generatedPath(QString::fromLatin1(GetParam().name))).size(),
              44 + qint64(wave.dataSize));
    EXPECT_GE(wave.seconds(), GetParam().shortest);
    EXPECT_LE(wave.seconds(), GetParam().longest);
}

TEST_P(SoundCue, isClearlyAudibleWithoutClipping)
{
    const WaveFile wave = readWave(QString::fromLatin1(GetParam().name));
    ASSERT_FALSE(wave.samples.empty());
    int peak = 0;
    for (const std::int16_t sample : wave.samples)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_GT(peak, 32767 / 4);      // louder than -12 dBFS
    EXPECT_LT(peak, 32767 * 9 / 10); // headroom left
}

// A sound that starts or stops away from zero clicks in the speaker.
TEST_P(SoundCue, startsAndEndsAtSilence)
{
    const WaveFile wave = readWave(QString::fromLatin1(GetParam().name));
    ASSERT_GE(wave.samples.size(), 2u);
    EXPECT_LT(std::abs(int(wave.samples.front())), 200);
    EXPECT_LT(std::abs(int(wave.samples.back())), 200);
}

// Synchronous cues hold the game while they play: only the wins may take more than a second, and
// the count-off tick must end before the next tick 100 ms later.
INSTANTIATE_TEST_SUITE_P(EveryCue, SoundCue,
                         ::testing::Values(CueFile{"Zanta0.wav", 0.02, 0.08}, CueFile{"Zanta1.wav", 0.1, 0.3},
                                           CueFile{"Zanta2.wav", 0.25, 0.6}, CueFile{"Zanta4.wav", 0.2, 0.5},
                                           CueFile{"Zanta5.wav", 0.15, 0.4}, CueFile{"Zanta6.wav", 0.3, 0.7},
                                           CueFile{"Zanta7.wav", 0.5, 0.9}, CueFile{"Zanta8.wav", 0.02, 0.09},
                                           CueFile{"Zanta9.wav", 0.8, 1.5}, CueFile{"Zanta10.wav", 1.0, 2.0},
                                           CueFile{"Zanta11.wav", 0.4, 0.8}));

} // namespace
} // namespace zantaro::testing
