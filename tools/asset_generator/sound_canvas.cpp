// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace zantaro::assets {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

double envelopeAt(const Envelope& envelope, double t, double length)
{
    double level = envelope.attack > 0 ? std::min(1.0, t / envelope.attack) : 1.0;
    if (envelope.decay > 0)
        level *= std::exp(-t / envelope.decay);
    if (envelope.release > 0)
        level *= std::clamp((length - t) / envelope.release, 0.0, 1.0);
    return level;
}

} // namespace

SoundCanvas::SoundCanvas(int sampleRate, double seconds)
    : m_sampleRate(sampleRate), m_samples(std::size_t(std::lround(seconds * sampleRate)), 0.0)
{
}

void SoundCanvas::addTone(double start, double length, double fromHz, double toHz, double level,
                          const std::vector<Partial>& timbre, const Envelope& envelope, double vibrato,
                          double wah)
{
    const long first = std::lround(start * m_sampleRate);
    const long count = std::lround(length * m_sampleRate);
    std::vector<double> phases(timbre.size(), 0.0);
    for (long i = 0; i < count && first + i < long(m_samples.size()); ++i) {
        const double t = double(i) / m_sampleRate;
        const double progress = t / length;
        double frequency = fromHz * std::pow(toHz / fromHz, progress);
        frequency *= 1 + vibrato * std::sin(TwoPi * 6 * t);
        const double brightness = 0.2 + 0.75 * std::sin(std::numbers::pi * progress);
        double value = 0;
        std::size_t k = 0;
        for (const Partial& partial : timbre) {
            const double partialHz = frequency * partial.ratio;
            // Partials near or past half the sample rate would fold back as false tones.
            double amplitude =
                partialHz < 0.45 * m_sampleRate ? partial.amplitude * std::exp(-partial.extraDecay * t) : 0;
            if (wah > 0)
                amplitude *= std::pow(brightness, wah * (partial.ratio - 1));
            phases[k] += TwoPi * partialHz / m_sampleRate;
            value += amplitude * std::sin(phases[k]);
            ++k;
        }
        m_samples[std::size_t(first + i)] += level * envelopeAt(envelope, t, length) * value;
    }
}

void SoundCanvas::addNoise(double start, double length, double level, double decay, double brightness)
{
    const long first = std::lround(start * m_sampleRate);
    const long count = std::lround(length * m_sampleRate);
    std::uint32_t state = 22695477u; // a fixed seed: the same build makes the same file
    double smoothed = 0;
    for (long i = 0; i < count && first + i < long(m_samples.size()); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 24) * 2 - 1;
        smoothed += (white - smoothed) * (0.05 + 0.95 * brightness);
        const double t = double(i) / m_sampleRate;
        m_samples[std::size_t(first + i)] += level * std::exp(-t / decay) * smoothed;
    }
}

std::vector<float> SoundCanvas::finished(double peak) const
{
    double loudest = 0;
    for (const double sample : m_samples)
        loudest = std::max(loudest, std::abs(sample));
    const double gain = loudest > 0 ? peak / loudest : 0;
    const std::size_t fadeIn = std::size_t(m_sampleRate * 0.002);
    const std::size_t fadeOut = std::size_t(m_sampleRate * 0.008);
    std::vector<float> result(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        double fade = 1;
        if (i < fadeIn)
            fade = double(i) / fadeIn;
        const std::size_t fromEnd = m_samples.size() - 1 - i;
        if (fromEnd < fadeOut)
            fade = std::min(fade, double(fromEnd) / fadeOut);
        result[i] = float(m_samples[i] * gain * fade);
    }
    return result;
}

} // namespace zantaro::assets
