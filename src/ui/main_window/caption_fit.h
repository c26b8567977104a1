// SPDX-License-Identifier: GPL-3.0-or-later
// The command buttons' captions in device pixels: their face, their size at a scale, where one
// stands on a button, and whether they all fit inside a button face's frame.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QString>

namespace zantaro {

// The captions' face at a size in device pixels, hinted to the pixel grid so it stays crisp.
QFont captionFont(int pixelSize);

// 8 points at `scale` times the size of the blank face's picture, in device pixels.
int captionPixelsAt(qreal scale);

// Where a caption stands on a face of `facePixels`: centred by its measured width and height.
QRect captionPlace(QSize facePixels, const QFontMetrics& metrics, const QString& caption);

// Paints a caption at its place on a face in device pixels, over what the face shows.
void paintCaption(QImage& face, const QString& caption, const QColor& colour, int pixelSize);

// Every caption, placed on a face of `facePixels` device pixels, keeps a pixel clear of the face's
// bevel and frame.
bool captionsFit(int pixelSize, QSize facePixels);

// The captions' size on faces of `facePixels` drawn `scale` times the size of the face's picture:
// 8 points of that scale, or the largest size below it at which they fit.
int captionPixelSize(QSize facePixels, qreal scale);

} // namespace zantaro
