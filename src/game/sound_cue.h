// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven sound cues: each names its wave file and whether the game waits for it to end.
#pragma once

#include <array>
#include <string_view>

namespace zantaro {

enum class SoundCue
{
    Click,
    Neutral,
    Award,
    BellLine,
    FruitLine,
    Paid,
    AutoLoser,
    CountStep,
    Win,
    BellPoolWin,
    Loss,
};
inline constexpr int SoundCueCount = 11;

enum class Playback
{
    Synchronous,
    Asynchronous
};

struct SoundCueInfo
{
    SoundCue cue;
    std::string_view name;
    std::string_view fileName;
    Playback playback;
};

// In the order of the enum, so soundCueInfo(cue) is an index.
inline constexpr std::array<SoundCueInfo, SoundCueCount> SoundCues{{
    {SoundCue::Click, "Click", "Zanta0.wav", Playback::Asynchronous}, // played from memory
    {SoundCue::Neutral, "Neutral", "Zanta1.wav", Playback::Synchronous},
    {SoundCue::Award, "Award", "Zanta2.wav", Playback::Synchronous},
    {SoundCue::BellLine, "BellLine", "Zanta4.wav", Playback::Synchronous},
    {SoundCue::FruitLine, "FruitLine", "Zanta5.wav", Playback::Synchronous},
    {SoundCue::Paid, "Paid", "Zanta6.wav", Playback::Synchronous},
    {SoundCue::AutoLoser, "AutoLoser", "Zanta7.wav", Playback::Asynchronous},
    {SoundCue::CountStep, "CountStep", "Zanta8.wav", Playback::Asynchronous},
    {SoundCue::Win, "Win", "Zanta9.wav", Playback::Synchronous},
    {SoundCue::BellPoolWin, "BellPoolWin", "Zanta10.wav", Playback::Synchronous},
    {SoundCue::Loss, "Loss", "Zanta11.wav", Playback::Asynchronous},
}};

constexpr const SoundCueInfo& soundCueInfo(SoundCue cue)
{
    return SoundCues[static_cast<std::size_t>(cue)];
}

} // namespace zantaro
