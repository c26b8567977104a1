// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what the asset generator wrote into the build directory: pictures, their BMP headers
// and wave files.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace zantaro::testing {

QString generatedPath(const QString& fileName);

// The picture, converted to 32-bit RGB so pixels compare as colours whatever the file's depth.
QImage generatedPicture(const QString& fileName);

struct BmpHeader
{
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int compression = -1;
    int paletteEntries = 0; // the colours-used field; 0 means 2 to the bits per pixel
};

BmpHeader readBmpHeader(const QString& fileName);

struct WaveFile
{
    bool riffValid = false; // "RIFF" size matches the file, "WAVE", "fmt " and "data" present
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return byteRate > 0 ? double(dataSize) / byteRate : 0; }
};

WaveFile readWave(const QString& fileName);

// Mean absolute difference per colour channel (0 to 255) between two same-sized areas.
double meanDifference(const QImage& first, const QRect& firstArea, const QImage& second,
                      const QRect& secondArea);
double meanDifference(const QImage& first, const QImage& second);

// Mean of (red + green + blue) / 3 over an area.
double meanBrightness(const QImage& picture, const QRect& area);

} // namespace zantaro::testing
