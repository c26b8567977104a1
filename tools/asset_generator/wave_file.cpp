// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_file.h"

#include <algorithm>
#include <cmath>

namespace zantaro::assets {

namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

QByteArray waveFile(const std::vector<float>& samples, int sampleRate)
{
    constexpr int channels = 1;
    constexpr int bitsPerSample = 16;
    constexpr int blockAlign = channels * bitsPerSample / 8;
    const quint32 dataSize = quint32(samples.size()) * blockAlign;

    QByteArray bytes;
    bytes.reserve(int(44 + dataSize));
    bytes.append("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVE");
    bytes.append("fmt ");
    appendLittleEndian(bytes, 16, 4); // size of the format chunk
    appendLittleEndian(bytes, 1, 2);  // PCM
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, quint32(sampleRate), 4);
    appendLittleEndian(bytes, quint32(sampleRate * blockAlign), 4);
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, bitsPerSample, 2);
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    for (const float sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        appendLittleEndian(bytes, quint32(qint16(value)) & 0xffff, 2);
    }
    return bytes;
}

} // namespace zantaro::assets
