// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/sound_cue.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

struct CueCase : testing::NamedCase
{
    SoundCue cue;
    std::string_view fileName;
    Playback playback;
};

class SoundCueTable : public ::testing::TestWithParam<CueCase>
{
};

TEST_P(SoundCueTable, namesItsWaveFileAndWhetherTheGameWaitsForIt)
{
    const CueCase& c = GetParam();
    const SoundCueInfo& info = soundCueInfo(c.cue);
    EXPECT_EQ(info.cue, c.cue);
    EXPECT_EQ(info.name, c.name);
    EXPECT_EQ(info.fileName, c.fileName);
    EXPECT_EQ(info.playback, c.playback);
}

constexpr Playback Sync = Playback::Synchronous;
constexpr Playback Async = Playback::Asynchronous;

INSTANTIATE_TEST_SUITE_P(Cues, SoundCueTable,
                         ::testing::Values(CueCase{"Click", SoundCue::Click, "Zanta0.wav", Async},
                                           CueCase{"Neutral", SoundCue::Neutral, "Zanta1.wav", Sync},
                                           CueCase{"Award", SoundCue::Award, "Zanta2.wav", Sync},
                                           CueCase{"BellLine", SoundCue::BellLine, "Zanta4.wav", Sync},
                                           CueCase{"FruitLine", SoundCue::FruitLine, "Zanta5.wav", Sync},
                                           CueCase{"Paid", SoundCue::Paid, "Zanta6.wav", Sync},
                                           CueCase{"AutoLoser", SoundCue::AutoLoser, "Zanta7.wav", Async},
                                           CueCase{"CountStep", SoundCue::CountStep, "Zanta8.wav", Async},
                                           CueCase{"Win", SoundCue::Win, "Zanta9.wav", Sync},
                                           CueCase{"BellPoolWin", SoundCue::BellPoolWin, "Zanta10.wav", Sync},
                                           CueCase{"Loss", SoundCue::Loss, "Zanta11.wav", Async}),
                         testing::caseName);

} // namespace
} // namespace zantaro
