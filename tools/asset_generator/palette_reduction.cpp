// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_reduction.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

namespace zantaro::assets {

namespace {

constexpr int PaletteSize = 256;
// Colours covering at least this share of the picture are kept exactly.
constexpr int FlatAreaShare = 400;
constexpr int MostKeptExactly = 96;

struct WeightedColor
{
    std::array<int, 3> channels;
    int count;
};

// A box of colours that median cut splits along its widest channel.
struct ColorBox
{
    std::vector<WeightedColor> colors;

    int widestChannel(int* range) const
    {
        int best = 0;
        *range = -1;
        for (int channel = 0; channel < 3; ++channel) {
            const auto [low, high] =
                std::minmax_element(colors.begin(), colors.end(), [channel](auto& a, auto& b) {
                    return a.channels[channel] < b.channels[channel];
                });
            const int spread = high->channels[channel] - low->channels[channel];
            if (spread > *range) {
                *range = spread;
                best = channel;
            }
        }
        return best;
    }

    QRgb mean() const
    {
        std::array<qint64, 3> sums{0, 0, 0};
        qint64 total = 0;
        for (const auto& color : colors) {
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += qint64(color.channels[channel]) * color.count;
            total += color.count;
        }
        return qRgb(int((sums[0] + total / 2) / total), int((sums[1] + total / 2) / total),
                    int((sums[2] + total / 2) / total));
    }
};

QList<QRgb> medianCut(std::vector<WeightedColor> colors, int boxes)
{
    std::vector<ColorBox> pending{ColorBox{std::move(colors)}};
    while (int(pending.size()) < boxes) {
        // Split the box whose widest channel spans most, weighted by how much of the picture it covers.
        int chosen = -1;
        qint64 chosenScore = 0;
        for (int i = 0; i < int(pending.size()); ++i) {
            if (pending[i].colors.size() < 2)
                continue;
            int range = 0;
            pending[i].widestChannel(&range);
            qint64 weight = 0;
            for (const auto& color : pending[i].colors)
                weight += color.count;
            const qint64 score = qint64(range) * range * weight;
            if (score > chosenScore) {
                chosenScore = score;
                chosen = i;
            }
        }
        if (chosen < 0)
            break;
        ColorBox& box = pending[chosen];
        int range = 0;
        const int channel = box.widestChannel(&range);
        std::sort(box.colors.begin(), box.colors.end(),
                  [channel](auto& a, auto& b) { return a.channels[channel] < b.channels[channel]; });
        qint64 total = 0;
        for (const auto& color : box.colors)
            total += color.count;
        qint64 running = 0;
        std::size_t split = 1;
        for (; split < box.colors.size() - 1; ++split) {
            running += box.colors[split - 1].count;
            if (running * 2 >= total)
                break;
        }
        ColorBox upper{std::vector<WeightedColor>(box.colors.begin() + split, box.colors.end())};
        box.colors.resize(split);
        pending.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const auto& box : pending)
        palette.append(box.mean());
    return palette;
}

int nearestEntry(const QList<QRgb>& palette, int red, int green, int blue)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - red;
        const int dg = qGreen(palette[i]) - green;
        const int db = qBlue(palette[i]) - blue;
        const int distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Floyd-Steinberg over the picture. Pixels whose colour the palette holds exactly are copied and
// neither take nor pass on error, so flat areas and their edges stay clean.
QImage mapped(const QImage& picture, const QList<QRgb>& palette, bool dither)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    QImage result(source.size(), QImage::Format_Indexed8);
    // Rows are padded to four bytes and the BMP writer writes the padding too: zeroed, not left as
    // whatever the allocation held, so the same picture gives the same file.
    std::memset(result.bits(), 0, static_cast<std::size_t>(result.sizeInBytes()));
    result.setColorTable(palette);
    QHash<QRgb, int> exact;
    for (int i = palette.size() - 1; i >= 0; --i)
        exact.insert(palette[i] | 0xff000000u, i);
    std::vector<std::array<float, 3>> errorHere(width + 2, {0, 0, 0});
    std::vector<std::array<float, 3>> errorNext(width + 2, {0, 0, 0});
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = in[x] | 0xff000000u;
            if (const auto found = exact.constFind(pixel); found != exact.constEnd()) {
                out[x] = uchar(found.value());
                continue;
            }
            const auto& carried = errorHere[x + 1];
            const int wanted[3] = {std::clamp(int(qRed(pixel) + carried[0]), 0, 255),
                                   std::clamp(int(qGreen(pixel) + carried[1]), 0, 255),
                                   std::clamp(int(qBlue(pixel) + carried[2]), 0, 255)};
            const int entry = nearestEntry(palette, wanted[0], wanted[1], wanted[2]);
            out[x] = uchar(entry);
            if (!dither)
                continue;
            const float error[3] = {float(wanted[0] - qRed(palette[entry])),
                                    float(wanted[1] - qGreen(palette[entry])),
                                    float(wanted[2] - qBlue(palette[entry]))};
            for (int channel = 0; channel < 3; ++channel) {
                errorHere[x + 2][channel] += error[channel] * 7 / 16;
                errorNext[x][channel] += error[channel] * 3 / 16;
                errorNext[x + 1][channel] += error[channel] * 5 / 16;
                errorNext[x + 2][channel] += error[channel] * 1 / 16;
            }
        }
        std::swap(errorHere, errorNext);
        std::fill(errorNext.begin(), errorNext.end(), std::array<float, 3>{0, 0, 0});
    }
    return result;
}

} // namespace

QImage reducedTo256Colours(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> histogram;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }

    // The most used colours first, equal counts in colour order: a QHash iterates in an order
    // seeded afresh in every process, and the files must come out the same on every build.
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(),
              [](auto& a, auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });

    QList<QRgb> palette;
    std::vector<WeightedColor> rest;
    if (histogram.size() <= PaletteSize) {
        for (const auto& [count, color] : byCount)
            palette.append(color);
    } else {
        const int flatArea = std::max(16, int(source.width() * source.height() / FlatAreaShare));
        for (const auto& [count, color] : byCount) {
            // Black and white are the window's and the reel windows' colours: always exact.
            const bool blackOrWhite = color == qRgb(0, 0, 0) || color == qRgb(255, 255, 255);
            if ((count >= flatArea || blackOrWhite) && palette.size() < MostKeptExactly)
                palette.append(color);
            else
                rest.push_back({{qRed(color), qGreen(color), qBlue(color)}, count});
        }
        palette.append(medianCut(std::move(rest), PaletteSize - int(palette.size())));
    }
    const bool dither = histogram.size() > PaletteSize;
    QImage result = mapped(source, palette, dither);
    QList<QRgb> table = result.colorTable();
    while (table.size() < PaletteSize)
        table.append(qRgb(0, 0, 0)); // a full table makes the file an 8-bit one
    result.setColorTable(table);
    return result;
}

QImage reducedToPalette(const QImage& picture, const QList<QRgb>& palette)
{
    return mapped(picture, palette, false);
}

} // namespace zantaro::assets
