// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_cues.h"

#include "sound_canvas.h"

namespace zantaro::assets {

namespace {

// Timbres shared by several cues.
const std::vector<Partial> Brass{{1, 1}, {2, 0.6}, {3, 0.4}, {4, 0.25}, {5, 0.15}, {6, 0.1}};
const std::vector<Partial> Bell{{1, 1}, {2, 0.55, 4}, {2.76, 0.4, 6}, {5.4, 0.25, 12}, {8.93, 0.12, 20}};
const std::vector<Partial> Chime{{1, 1}, {2, 0.4, 8}, {3, 0.2, 12}, {4.2, 0.1, 20}};
const std::vector<Partial> Coin{{1, 1}, {1.48, 0.6}, {2.31, 0.4}};

constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0;
constexpr double C6 = 1046.5, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98;

SoundCanvas canvasOf(double seconds)
{
    return SoundCanvas(CueSampleRate, seconds);
}

// A wheel stopping: the snap of a pawl with a little wooden knock under it.
std::vector<float> click()
{
    SoundCanvas sound = canvasOf(0.04);
    sound.addNoise(0, 0.04, 0.8, 0.004, 0.9);
    sound.addTone(0, 0.04, 2100, 1900, 0.5, {{1, 1}, {2.3, 0.4}}, {0.0005, 0.006, 0});
    sound.addTone(0, 0.04, 170, 150, 0.6, {{1, 1}}, {0.001, 0.012, 0});
    return sound.finished(0.7);
}

// A refused bet change, a square that neither wins nor loses: soft and unassuming.
std::vector<float> neutral()
{
    SoundCanvas sound = canvasOf(0.2);
    sound.addTone(0, 0.2, 620, 560, 1, {{1, 1}, {2, 0.15}}, {0.01, 0.09, 0.04});
    return sound.finished(0.5);
}

// A bonus lamp pays out: two bright chime notes a fifth apart.
std::vector<float> award()
{
    SoundCanvas sound = canvasOf(0.4);
    sound.addTone(0, 0.4, C6, C6, 0.8, Chime, {0.003, 0.14, 0.03});
    sound.addTone(0.09, 0.31, G6, G6, 0.8, Chime, {0.003, 0.12, 0.03});
    return sound.finished(0.7);
}

// A line of bells: a bell struck twice.
std::vector<float> bellLine()
{
    SoundCanvas sound = canvasOf(0.35);
    sound.addTone(0, 0.35, E6, E6, 0.8, Bell, {0.002, 0.1, 0.03});
    sound.addTone(0.11, 0.24, E6, E6, 0.8, Bell, {0.002, 0.09, 0.03});
    return sound.finished(0.72);
}

// A line of fruit: three bubbles popping upward.
std::vector<float> fruitLine()
{
    SoundCanvas sound = canvasOf(0.25);
    const double starts[] = {0, 0.075, 0.15};
    for (int pop = 0; pop < 3; ++pop) {
        const double low = 380 + pop * 110;
        sound.addTone(starts[pop], 0.09, low, low * 2.6, 0.9, {{1, 1}, {2, 0.2}}, {0.002, 0.03, 0.01});
    }
    return sound.finished(0.7);
}

// Winnings paid at once: a handful of coins dropping into the tray.
std::vector<float> paid()
{
    SoundCanvas sound = canvasOf(0.5);
    const struct
    {
        double at, hz, level;
    } coins[] = {{0, 3400, 1},      {0.05, 2900, 0.8}, {0.11, 3900, 0.9}, {0.16, 3100, 0.7},
                 {0.22, 3600, 0.8}, {0.28, 2800, 0.6}, {0.34, 3300, 0.6}, {0.41, 3000, 0.45}};
    for (const auto& coin : coins) {
        sound.addTone(coin.at, 0.5 - coin.at, coin.hz, coin.hz, coin.level, Coin, {0.0008, 0.03, 0.01});
        sound.addNoise(coin.at, 0.01, coin.level * 0.4, 0.002, 0.9);
    }
    return sound.finished(0.7);
}

// The Automatic Loser: a muted trumpet's descending "wah wah".
std::vector<float> autoLoser()
{
    SoundCanvas sound = canvasOf(0.7);
    sound.addTone(0, 0.32, 233, 220, 1, Brass, {0.02, 0, 0.06}, 0, 1.5);
    sound.addTone(0.34, 0.36, 208, 174, 1, Brass, {0.02, 0, 0.08}, 0.012, 1.5);
    return sound.finished(0.5); // a dense tone: a lower peak keeps it as loud as the others
}

// One step of counting off: a short coin tick, done well before the next step 100 ms later.
std::vector<float> countStep()
{
    SoundCanvas sound = canvasOf(0.045);
    sound.addTone(0, 0.045, 3200, 3200, 1, {{1, 1}, {1.5, 0.5}, {2.7, 0.3}}, {0.0005, 0.008, 0.005});
    sound.addNoise(0, 0.006, 0.3, 0.0015, 0.9);
    return sound.finished(0.55);
}

// A winning spin: a brass arpeggio up to a held chord.
std::vector<float> win()
{
    SoundCanvas sound = canvasOf(1.2);
    const double notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        sound.addTone(0.11 * i, 0.14, notes[i], notes[i], 0.5, Brass, {0.01, 0, 0.04});
    for (const double hz : {C5, E5, G5, C6})
        sound.addTone(0.46, 0.74, hz, hz, 0.3, Brass, {0.02, 0.6, 0.25}, 0.006);
    sound.addTone(0.46, 0.74, 2 * C6, 2 * C6, 0.15, Bell, {0.002, 0.2, 0.1});
    return sound.finished(0.75);
}

// The bell pool is won: a run of bells up the scale, then the jackpot bells ringing out.
std::vector<float> bellPoolWin()
{
    SoundCanvas sound = canvasOf(1.5);
    const double run[] = {C5, D5, E5, G5, A5, C6, D6, E6};
    for (int i = 0; i < 8; ++i)
        sound.addTone(0.07 * i, 1.5 - 0.07 * i, run[i], run[i], 0.45, Bell, {0.002, 0.12, 0.05});
    for (const double at : {0.64, 0.9, 1.1}) {
        for (const double hz : {C6, E6, G6})
            sound.addTone(at, 1.5 - at, hz, hz, 0.35, Bell, {0.002, 0.3, 0.08});
    }
    return sound.finished(0.75);
}

// A lost double-or-nothing round: a low tone sinking away.
std::vector<float> loss()
{
    SoundCanvas sound = canvasOf(0.6);
    sound.addTone(0, 0.6, 300, 120, 1, {{1, 1}, {3, 0.11}, {5, 0.04}}, {0.01, 0.5, 0.15});
    return sound.finished(0.5); // a dense tone: a lower peak keeps it as loud as the others
}

} // namespace

std::vector<CueSound> cueSounds()
{
    return {
        {QStringLiteral("Zanta0.wav"), click()},     {QStringLiteral("Zanta1.wav"), neutral()},
        {QStringLiteral("Zanta2.wav"), award()},     {QStringLiteral("Zanta4.wav"), bellLine()},
        {QStringLiteral("Zanta5.wav"), fruitLine()}, {QStringLiteral("Zanta6.wav"), paid()},
        {QStringLiteral("Zanta7.wav"), autoLoser()}, {QStringLiteral("Zanta8.wav"), countStep()},
        {QStringLiteral("Zanta9.wav"), win()},       {QStringLiteral("Zanta10.wav"), bellPoolWin()},
        {QStringLiteral("Zanta11.wav"), loss()},
    };
}

} // namespace zantaro::assets
