// SPDX-License-Identifier: GPL-3.0-or-later
// SoundPlayer: starts the game's sound cues from the wave files beside the program, one at a time,
// and tells how long each lasts so the game can wait for the synchronous ones.
#pragma once

#include "game/sound_cue.h"

#include <QString>
#include <array>
#include <chrono>
#include <memory>

class QSoundEffect;

namespace zantaro {

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the cue, cutting off a sound still playing, and returns how long it lasts. A cue
    // that cannot be heard (no audio device, a missing or broken file) is silent but keeps a
    // length, so the game's rhythm stays the same.
    virtual std::chrono::milliseconds play(SoundCue cue) = 0;
};

// Plays through Qt Multimedia. Each cue's length is read from its file once, at start-up; each
// cue's sound is loaded the first time it plays and kept, the Click cue at start-up since it
// plays at every wheel stop.
class QtSoundPlayer : public SoundPlayer
{
public:
    explicit QtSoundPlayer(const QString& programDirectory);
    ~QtSoundPlayer() override;
    std::chrono::milliseconds play(SoundCue cue) override;

private:
    QSoundEffect* effectFor(SoundCue cue);
    QString cuePath(SoundCue cue) const;

    QString m_directory;
    bool m_hasAudioOutput = false;
    std::array<std::chrono::milliseconds, SoundCueCount> m_lengths{};
    std::array<std::unique_ptr<QSoundEffect>, SoundCueCount> m_effects;
    QSoundEffect* m_playing = nullptr;
};

// How long a cue lasts when its file cannot be read.
std::chrono::milliseconds fallbackCueLength(SoundCue cue);

// Longer claimed lengths are cut to this, so that a damaged file cannot hold the game for long.
inline constexpr std::chrono::milliseconds LongestCue{5000};

} // namespace zantaro
