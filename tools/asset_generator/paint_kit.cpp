// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_kit.h"

#include <algorithm>

namespace zantaro::assets {

QFont letteringFont(bool condensed)
{
    QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100); // paths are scaled to their box afterwards
    return font;
}

QPainterPath fittedText(const QString& text, const QRectF& box, bool condensed)
{
    QPainterPath natural;
    natural.addText(0, 0, letteringFont(condensed), text);
    const QRectF ink = natural.boundingRect();
    if (ink.isEmpty())
        return natural;
    constexpr qreal narrowest = 0.7;
    qreal scaleY = box.height() / ink.height();
    qreal scaleX = std::min(scaleY, box.width() / ink.width());
    if (scaleX < scaleY * narrowest)
        scaleY = scaleX / narrowest;
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scaleX, scaleY);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(natural);
}

QPainterPath alignedText(const QString& text, qreal capHeight, const QRectF& box, Qt::Alignment alignment,
                         bool condensed)
{
    const QFont font = letteringFont(condensed);
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    const QRectF capBox = capital.boundingRect();
    QPainterPath natural;
    natural.addText(0, 0, font, text);
    const qreal scale = capHeight / capBox.height();
    const QRectF ink = natural.boundingRect();
    qreal left = box.center().x() - ink.center().x() * scale;
    if (alignment & Qt::AlignLeft)
        left = box.left() - ink.left() * scale;
    else if (alignment & Qt::AlignRight)
        left = box.right() - ink.right() * scale;
    QTransform transform;
    transform.translate(left, box.center().y() - capBox.center().y() * scale);
    transform.scale(scale, scale);
    return transform.map(natural);
}

void paintOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                   qreal outlineWidth)
{
    painter.save();
    if (outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void paintLettering(QPainter& painter, const QString& text, const QRectF& box, const QBrush& fill,
                    const QColor& outline, qreal outlineWidth, bool condensed)
{
    paintOutlined(painter, fittedText(text, box, condensed), fill, outline, outlineWidth);
}

namespace {

// Polished metal: light, mid, a dark band of reflection, light again, dark.
QLinearGradient sheen(QPointF from, QPointF to, const QGradientStops& stops)
{
    QLinearGradient gradient(from, to);
    gradient.setStops(stops);
    return gradient;
}

} // namespace

QLinearGradient goldSheen(QPointF from, QPointF to)
{
    return sheen(from, to,
                 {{0.0, QColor(255, 244, 180)},
                  {0.3, QColor(230, 182, 52)},
                  {0.5, QColor(170, 112, 18)},
                  {0.7, QColor(244, 204, 80)},
                  {1.0, QColor(140, 90, 8)}});
}

QLinearGradient chromeSheen(QPointF from, QPointF to)
{
    return sheen(from, to,
                 {{0.0, QColor(250, 250, 252)},
                  {0.35, QColor(186, 188, 198)},
                  {0.5, QColor(120, 122, 134)},
                  {0.7, QColor(226, 228, 236)},
                  {1.0, QColor(96, 98, 110)}});
}

QRadialGradient domeShading(QPointF centre, qreal radius, const QColor& base)
{
    QRadialGradient gradient(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    gradient.setStops({{0.0, scaled(base, 1.6)}, {0.55, base}, {1.0, scaled(base, 0.45)}});
    return gradient;
}

QRadialGradient bulbGlow(QPointF centre, qreal radius, const QColor& color)
{
    QRadialGradient gradient(centre, radius);
    gradient.setStops({{0.0, QColor(Qt::white)}, {0.55, color}, {1.0, scaled(color, 0.45)}});
    return gradient;
}

void paintFramedPanel(QPainter& painter, const QRectF& panel, qreal corner, const QColor& top,
                      const QColor& bottom, const QBrush& frame, qreal frameWidth)
{
    QLinearGradient fill(0, panel.top(), 0, panel.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.setPen(QPen(frame, frameWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(panel, corner, corner);
}

QLinearGradient lacquer(const QColor& base, qreal top, qreal bottom)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, scaled(base, 1.45));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, scaled(base, 0.55));
    return gradient;
}

QColor scaled(const QColor& color, qreal factor)
{
    const auto channel = [factor](int value) {
        const qreal result = factor <= 1 ? value * factor : value + (255 - value) * (factor - 1);
        return std::clamp(static_cast<int>(result + 0.5), 0, 255);
    };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()), color.alpha());
}

namespace {

int currentDrawingScale = 1;

QImage scaledImage(QSize size, QImage::Format format)
{
    QImage image(size * currentDrawingScale, format);
    // Painters then work in design pixels, and lettering is drawn at the full resolution.
    image.setDevicePixelRatio(currentDrawingScale);
    return image;
}

} // namespace

void setDrawingScale(int scale)
{
    currentDrawingScale = scale;
}

int drawingScale()
{
    return currentDrawingScale;
}

QImage canvas(QSize size, const QColor& background)
{
    QImage image = scaledImage(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QImage transparentCanvas(QSize size)
{
    QImage image = scaledImage(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smoothen(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace zantaro::assets
