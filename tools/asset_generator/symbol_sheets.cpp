// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbol_sheets.h"

#include "paint_kit.h"
#include "symbol_painter.h"

#include <array>
#include <vector>

namespace zantaro::assets {

namespace {

constexpr int SymbolsPerRow = 4;
constexpr int SymbolRows = 3;

// Averages each column over `length` rows around every row, wrapping at the ends, so the result
// is as seamless as its source.
QImage blurredAlongLoop(const QImage& source, int length)
{
    const int width = source.width();
    const int height = source.height();
    QImage result(source.size(), QImage::Format_RGB32);
    result.setDevicePixelRatio(source.devicePixelRatio());
    std::vector<std::array<int, 3>> sums(width, {0, 0, 0});
    const auto add = [&](int row, int sign) {
        const auto* line =
            reinterpret_cast<const QRgb*>(source.constScanLine((row % height + height) % height));
        for (int x = 0; x < width; ++x) {
            sums[x][0] += sign * qRed(line[x]);
            sums[x][1] += sign * qGreen(line[x]);
            sums[x][2] += sign * qBlue(line[x]);
        }
    };
    const int before = length / 2;
    for (int row = -before; row < length - before; ++row)
        add(row, 1);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(sums[x][0] / length, sums[x][1] / length, sums[x][2] / length);
        add(y + length - before, 1);
        add(y - before, -1);
    }
    return result;
}

} // namespace

QImage symbolSheet(int cellSize)
{
    QImage sheet = canvas(QSize(SymbolsPerRow * cellSize, SymbolRows * cellSize), Qt::white);
    QPainter painter(&sheet);
    smoothen(painter);
    for (int code = 0; code < SymbolsPerRow * SymbolRows; ++code) {
        const QRectF cell((code % SymbolsPerRow) * cellSize, (code / SymbolsPerRow) * cellSize, cellSize,
                          cellSize);
        painter.save();
        painter.setClipRect(cell);
        paintSymbol(painter, code, cell);
        painter.restore();
    }
    return sheet;
}

QImage motionStrip(int cellSize)
{
    // The symbols a player expects to see fly past, evenly spaced around the loop; the larger
    // cells leave room for fewer of them.
    const std::vector<int> smallLoop{1, 2, 3, 7, 4, 5};
    const std::vector<int> largeLoop{1, 2, 3, 7, 5};
    const std::vector<int>& loop = cellSize <= 64 ? smallLoop : largeLoop;
    QImage sharp = canvas(QSize(cellSize, MotionStripHeight), Qt::white);
    {
        QPainter painter(&sharp);
        smoothen(painter);
        const qreal slot = qreal(MotionStripHeight) / loop.size();
        const qreal inset = cellSize * 0.06; // real reels leave a margin beside the symbols
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const qreal top = i * slot + (slot - cellSize) / 2;
            paintSymbol(painter, loop[i],
                        QRectF(inset, top + inset, cellSize - 2 * inset, cellSize - 2 * inset));
        }
    }
    // Two passes of a box blur make a softer, triangular smear than one.
    const int smear = cellSize * 3 / 8 * drawingScale();
    return blurredAlongLoop(blurredAlongLoop(sharp, smear), smear);
}

} // namespace zantaro::assets
