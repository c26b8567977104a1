// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_drawing.h"

#include <QString>
#include <cstdlib>

namespace zantaro {

QRect drawNumber(QPainter& painter, const Artwork& artwork, std::int64_t value, int x, int y,
                 NumberStyle style)
{
    const bool small = artwork.screenWidth < 1000;
    const int cellWidth = small ? 16 : 32;
    const int cellHeight = small ? 21 : 42;
    const auto sheet = style.yellow ? (small ? &ArtworkPictures::greenSmall : &ArtworkPictures::greenLarge)
                                    : (small ? &ArtworkPictures::digitsSmall : &ArtworkPictures::digitsLarge);
    // The sheets have no minus sign; a negative count, which only a damaged saved game can hold,
    // shows its digits.
    const QString digits = QString::number(std::llabs(value)).left(10);
    const int width = static_cast<int>(digits.size()) * cellWidth;

    if (style.rightAligned)
        x -= width;
    QRect backing(x, y, width, cellHeight);
    if (style.rightAligned)
        backing.setLeft(x - cellWidth);
    else if (!style.tight)
        backing.setWidth(width + cellWidth);
    painter.fillRect(backing, Qt::black);

    for (const QChar digit : digits) {
        const int d = digit.digitValue();
        drawPicture(painter, artwork, sheet, QRect(x, y, cellWidth, cellHeight),
                    QRect(d * cellWidth, 0, cellWidth, cellHeight));
        x += cellWidth;
    }
    return backing;
}

} // namespace zantaro
