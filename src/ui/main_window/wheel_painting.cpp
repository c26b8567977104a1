// SPDX-License-Identifier: GPL-3.0-or-later
// The spinning wheels as their looks say: motion frames, the white blank behind a stopping
// symbol, the bounce of the captured picture; and the hatched highlight of a winning line.
#include "device_pixels.h"
#include "game/paytable.h"
#include "game/reels.h"
#include "machine_painter.h"

namespace zantaro {

namespace {

struct WheelGeometry
{
    int columnStep;
    int rowStep;
    int windowLeft;
    int windowTop;
    int windowHeight;
    int blankExtraWidth;
    int motionLeft;
    int bounceLeft;
    int bounceTop;
    int highlightWidth;
};

// The small blank is one column wider than a symbol so that it also covers the right edge of the
// 65-pixel line highlight; otherwise clearing a highlight would leave a red column behind.
constexpr WheelGeometry SmallCells{81, 112, 49, 45, 97, 1, 49, 45, 59, 65};
constexpr WheelGeometry LargeCells{124, 173, 75, 70, 150, 3, 79, 79, 90, 99};

} // namespace

QRect MachinePainter::wheelWindowRect(int wheel) const
{
    const WheelGeometry& g = m_artwork.largeCells() ? LargeCells : SmallCells;
    const int left = m_artwork.pictureLeft + g.windowLeft + (wheel % 3) * g.columnStep;
    const int top = m_artwork.pictureTop + g.windowTop + (wheel / 3) * g.rowStep;
    return QRect(left, top, m_artwork.cellSize + g.blankExtraWidth, g.windowHeight);
}

QRect MachinePainter::bounceRect(int wheel) const
{
    const WheelGeometry& g = m_artwork.largeCells() ? LargeCells : SmallCells;
    const int left = m_artwork.pictureLeft + g.bounceLeft + (wheel % 3) * g.columnStep;
    const int top = m_artwork.pictureTop + g.bounceTop + (wheel / 3) * g.rowStep;
    return QRect(left, top, m_artwork.cellSize, m_artwork.cellSize + 8);
}

void MachinePainter::drawWheel(int wheel, const WheelLook& look)
{
    switch (look.kind) {
    case WheelLook::Kind::Resting:
        drawWheelCell(wheel);
        break;
    case WheelLook::Kind::Turning:
        drawMotionFrame(wheel, look.motionOffset);
        break;
    case WheelLook::Kind::Stopped:
        fillWheelBlank(wheel);
        drawWheelCell(wheel);
        break;
    case WheelLook::Kind::Bouncing:
        if (look.bounceFrame == 0)
            captureWheel(wheel);
        drawCapturedWheel(wheel, look.offsetDown);
        break;
    }
}

// Copies a window of the motion strip into the wheel window; the strip is a vertical loop.
void MachinePainter::drawMotionFrame(int wheel, int motionOffset)
{
    const WheelGeometry& g = m_artwork.largeCells() ? LargeCells : SmallCells;
    const QRect window = wheelWindowRect(wheel);
    const QRect target(m_artwork.pictureLeft + g.motionLeft + (wheel % 3) * g.columnStep, window.top(),
                       m_artwork.cellSize, g.windowHeight);
    const int firstRows = std::min(g.windowHeight, MotionStripRows - motionOffset);
    CanvasPainter painter(m_canvas);
    drawPicture(painter, m_artwork, &ArtworkPictures::motionStrip,
                QRect(target.left(), target.top(), target.width(), firstRows),
                QRect(0, motionOffset, target.width(), firstRows));
    if (firstRows < g.windowHeight) {
        const int rest = g.windowHeight - firstRows;
        drawPicture(painter, m_artwork, &ArtworkPictures::motionStrip,
                    QRect(target.left(), target.top() + firstRows, target.width(), rest),
                    QRect(0, 0, target.width(), rest));
    }
    touch(target);
}

void MachinePainter::fillWheelBlank(int wheel)
{
    const QRect blank = wheelWindowRect(wheel);
    CanvasPainter painter(m_canvas);
    painter.fillRect(blank, Qt::white);
    touch(blank);
}

// The capture keeps the window's device pixels, so the bounce moves them without resampling.
void MachinePainter::captureWheel(int wheel)
{
    const CanvasPainter painter(m_canvas);
    m_captures[wheel] = {painter.copyPixels(devicePixels(painter, bounceRect(wheel))),
                         painter.deviceTransform()};
}

// A capture taken before the view changed (the window went to or from full screen) no longer
// fits; the wheel then rests until it stops.
void MachinePainter::drawCapturedWheel(int wheel, int offsetDown)
{
    const QRect target = bounceRect(wheel).translated(0, offsetDown);
    const WheelCapture& capture = m_captures[wheel];
    CanvasPainter painter(m_canvas);
    if (capture.deviceTransform != painter.deviceTransform())
        return;
    blitDevicePixels(painter, QRect(devicePixels(painter, target).topLeft(), capture.pixels.size()),
                     capture.pixels, capture.pixels.rect());
    touch(target);
}

// Covers the line's three wheel windows with a red diagonal cross-hatch and a red outline; the
// symbols show between the hatch lines. The outline is one device pixel wide on the rectangle's own
// edge pixels, filled as the blank that clears the highlight is, so the blank covers it at any scale.
void MachinePainter::drawLineHighlight(int line)
{
    const bool small = m_artwork.screenWidth < 1000;
    const QSize box = small ? QSize(65, 97) : QSize(99, 150);
    const QColor red(255, 0, 0);
    CanvasPainter painter(m_canvas);
    const qreal pixel = 1 / painter.deviceTransform().m11();
    for (const int wheel : Paylines[line]) {
        const QRect rect(wheelWindowRect(wheel).topLeft(), box);
        const QRectF edges(rect);
        painter.fillRect(edges, QBrush(red, Qt::DiagCrossPattern));
        painter.fillRect(QRectF(edges.left(), edges.top(), edges.width(), pixel), red);
        painter.fillRect(QRectF(edges.left(), edges.bottom() - pixel, edges.width(), pixel), red);
        painter.fillRect(QRectF(edges.left(), edges.top(), pixel, edges.height()), red);
        painter.fillRect(QRectF(edges.right() - pixel, edges.top(), pixel, edges.height()), red);
        touch(rect);
    }
}

// The line's wheels drawn as they stop, over the white blank, which covers the hatch.
void MachinePainter::clearLineHighlight(int line)
{
    for (const int wheel : Paylines[line])
        drawWheel(wheel, {WheelLook::Kind::Stopped});
}

} // namespace zantaro
