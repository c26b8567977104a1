// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_fit.h"

#include "command_strip.h"
#include "machine_painter.h"

#include <QPainter>
#include <cmath>

namespace zantaro {

namespace {

constexpr int CaptionPoints = 8;

// The blank face's bevel and gold frame: 3 of its 62 columns on either side, 3 of its 20 rows at
// the top and the bottom.
constexpr qreal FrameColumns = 3.0 / 62;
constexpr qreal FrameRows = 3.0 / 20;

} // namespace

QFont captionFont(int pixelSize)
{
    QFont font = windowFont(CaptionPoints);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int captionPixelsAt(qreal scale)
{
    return qRound(CaptionPoints * 4.0 / 3 * scale);
}

QRect captionPlace(QSize facePixels, const QFontMetrics& metrics, const QString& caption)
{
    const QSize text = metrics.size(Qt::TextSingleLine, caption);
    return QRect((facePixels.width() - text.width()) / 2, (facePixels.height() - text.height()) / 2,
                 text.width(), text.height());
}

void paintCaption(QImage& face, const QString& caption, const QColor& colour, int pixelSize)
{
    face.setDevicePixelRatio(1); // its pixels are the device's, whatever ratio it came with
    QPainter painter(&face);
    painter.setFont(captionFont(pixelSize));
    painter.setPen(colour);
    painter.drawText(captionPlace(face.size(), painter.fontMetrics(), caption), Qt::AlignLeft | Qt::AlignTop,
                     caption);
}

bool captionsFit(int pixelSize, QSize facePixels)
{
    // Measured on device pixels, where the captions are painted.
    const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(captionFont(pixelSize), &device);
    const int left = static_cast<int>(std::ceil(facePixels.width() * FrameColumns)) + 1;
    const int top = static_cast<int>(std::ceil(facePixels.height() * FrameRows)) + 1;
    const QRect inside(left, top, facePixels.width() - 2 * left, facePixels.height() - 2 * top);
    for (int number = 0; number < CommandCount; ++number) {
        const QString caption = commandCaption(number);
        const QRect place = captionPlace(facePixels, metrics, caption);
        const QRect ink =
            metrics.tightBoundingRect(caption).translated(place.left(), place.top() + metrics.ascent());
        if (!inside.contains(ink))
            return false;
    }
    return true;
}

int captionPixelSize(QSize facePixels, qreal scale)
{
    int pixels = captionPixelsAt(scale);
    while (pixels > 1 && !captionsFit(pixels, facePixels))
        --pixels;
    return pixels;
}

} // namespace zantaro
