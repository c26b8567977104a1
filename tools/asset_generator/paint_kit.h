// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by every picture: fonts, fitted and outlined lettering, metal sheens.
#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>
#include <QString>

namespace zantaro::assets {

// The bold face used for all lettering; the build machine always has it.
QFont letteringFont(bool condensed = false);

// The outline of `text` scaled so its ink fills `box`: full height, centred, squeezed to at most
// 70% of its natural width when the box is narrow, shrunk uniformly beyond that.
QPainterPath fittedText(const QString& text, const QRectF& box, bool condensed = false);

// The outline of `text` with capitals `capHeight` high, placed in `box` by `alignment` (left,
// right or centred; always centred vertically on the capitals). Unlike fittedText, strings of
// different lengths come out in the same letter size.
QPainterPath alignedText(const QString& text, qreal capHeight, const QRectF& box, Qt::Alignment alignment,
                         bool condensed = false);

// Paints `path` with a stroke of `outlineWidth` behind the fill, so the outline stays crisp.
void paintOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                   qreal outlineWidth);

// Lettering in one call: fitted text, outlined.
void paintLettering(QPainter& painter, const QString& text, const QRectF& box, const QBrush& fill,
                    const QColor& outline, qreal outlineWidth, bool condensed = false);

// Polished gold and chrome, running from `from` to `to`.
QLinearGradient goldSheen(QPointF from, QPointF to);
QLinearGradient chromeSheen(QPointF from, QPointF to);

// A ball or dome of `base` lit from the upper left: bright highlight, dark rim.
QRadialGradient domeShading(QPointF centre, qreal radius, const QColor& base);

// A small lamp bulb glowing `color`, white-hot in the middle.
QRadialGradient bulbGlow(QPointF centre, qreal radius, const QColor& color);

// A rounded panel shaded from `top` to `bottom` colour, framed by a `frameWidth` stroke of `frame`.
void paintFramedPanel(QPainter& painter, const QRectF& panel, qreal corner, const QColor& top,
                      const QColor& bottom, const QBrush& frame, qreal frameWidth);

// A vertical gradient from a light to a dark version of `base`, for lacquered and glossy parts.
QLinearGradient lacquer(const QColor& base, qreal top, qreal bottom);

// `color` with each channel scaled by `factor` (above 1 lightens toward white).
QColor scaled(const QColor& color, qreal factor);

// Pictures are drawn at this many pixels per pixel of their design: 1 for the pictures the game
// has always had, 2 and 3 for screens of high density. The generator sets it for each pass.
void setDrawingScale(int scale);
int drawingScale();

// An opaque picture of `size` design pixels filled with `background`, ready to paint on at the
// drawing scale.
QImage canvas(QSize size, const QColor& background);

// A transparent picture of `size` design pixels at the drawing scale.
QImage transparentCanvas(QSize size);

// A painter with antialiasing on, the way every picture is drawn.
void smoothen(QPainter& painter);

} // namespace zantaro::assets
