// SPDX-License-Identifier: GPL-3.0-or-later
// A mono sample buffer that tones and noise bursts are mixed into, and its final levelling.
#pragma once

#include <vector>

namespace zantaro::assets {

// One partial of a timbre: frequency ratio to the fundamental, amplitude, and an extra decay in
// nepers per second (bells lose their high partials first).
struct Partial
{
    double ratio;
    double amplitude;
    double extraDecay = 0;
};

// Attack and release in seconds; decay is the time constant of an exponential fall, 0 to hold.
struct Envelope
{
    double attack;
    double decay;
    double release;
};

class SoundCanvas
{
public:
    SoundCanvas(int sampleRate, double seconds);

    // Adds a note from `start` lasting `length`, its pitch gliding from `fromHz` to `toHz`.
    // `vibrato` is the depth of a 6 Hz pitch wobble as a fraction; `wah` (0 to 1) sweeps the
    // upper partials in and out over the note, as a muted trumpet does.
    void addTone(double start, double length, double fromHz, double toHz, double level,
                 const std::vector<Partial>& timbre, const Envelope& envelope, double vibrato = 0,
                 double wah = 0);

    // Adds a burst of noise decaying with time constant `decay`; `brightness` near 1 keeps the
    // hiss, near 0 leaves a dull thud.
    void addNoise(double start, double length, double level, double decay, double brightness);

    // The samples scaled so the loudest is `peak`, with a few milliseconds of fade at both ends
    // so the cue starts and stops without a click.
    std::vector<float> finished(double peak) const;

private:
    int m_sampleRate;
    std::vector<double> m_samples;
};

} // namespace zantaro::assets
