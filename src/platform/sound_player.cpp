// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_player.h"

#include "wave_duration.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zantaro {

namespace {

using std::chrono::milliseconds;

std::optional<milliseconds> fileDuration(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Enough for any cue; a longer file is cut to LongestCue anyway.
    const QByteArray bytes = file.read(8 * 1024 * 1024);
    const auto length =
        waveDuration(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!length)
        return std::nullopt;
    return std::min(*length, LongestCue);
}

} // namespace

milliseconds fallbackCueLength(SoundCue cue)
{
    static constexpr std::array<int, SoundCueCount> lengths{40,  200, 400,  350,  250, 500,
                                                            700, 50,  1200, 1500, 600};
    return milliseconds(lengths[static_cast<std::size_t>(cue)]);
}

QtSoundPlayer::QtSoundPlayer(const QString& programDirectory)
    : m_directory(programDirectory), m_hasAudioOutput(!QMediaDevices::audioOutputs().isEmpty())
{
    for (int index = 0; index < SoundCueCount; ++index) {
        const auto cue = static_cast<SoundCue>(index);
        m_lengths[static_cast<std::size_t>(index)] =
            fileDuration(cuePath(cue)).value_or(fallbackCueLength(cue));
    }
    effectFor(SoundCue::Click);
}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::effectFor(SoundCue cue)
{
    if (!m_hasAudioOutput)
        return nullptr;
    auto& effect = m_effects[static_cast<std::size_t>(cue)];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(cuePath(cue)));
    }
    return effect.get();
}

milliseconds QtSoundPlayer::play(SoundCue cue)
{
    if (m_playing != nullptr)
        m_playing->stop();
    m_playing = effectFor(cue);
    if (m_playing != nullptr && m_playing->status() != QSoundEffect::Error)
        m_playing->play();
    return m_lengths[static_cast<std::size_t>(cue)];
}

QString QtSoundPlayer::cuePath(SoundCue cue) const
{
    return m_directory + QString::fromLatin1(soundCueInfo(cue).fileName.data());
}

} // namespace zantaro
