// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

#include "caption_fit.h"
#include "platform/zoom_choice.h"

#include <algorithm>
#include <cmath>

namespace zantaro {

namespace {

// The zoom from which the command captions read well; at a smaller start-up zoom they are drawn
// as large as there, on buttons grown to match as far as there is room.
constexpr qreal LegibleZoom = 1.5;
constexpr int CommandRows = 7;

// The lowest row the right band draws on above the command strip: the coins-played counter in the
// small and medium classes, the winnings readout's band in the large class.
int commandStripCeiling(WidthClass widthClass)
{
    switch (widthClass) {
    case WidthClass::Small:
        return 86;
    case WidthClass::Medium:
        return 100;
    case WidthClass::Large:
        break;
    }
    return 300;
}

// The strip stands 20 pixels above the spin button. Its buttons grow up to the right band's items
// above and into the room between the spin button's left edge and the window's margin: as tall as
// the captions' size asks, and as wide as the captions that then fit need to clear the face's frame.
void placeCommandStrip(WindowLayout& layout, const Artwork& artwork, qreal zoom)
{
    const QSize face = artwork.options.size();
    layout.captionScale = std::max<qreal>(1.0, LegibleZoom / zoom);
    const int windowWidth = windowSize(QSize(artwork.screenWidth, 0), 0).width();
    const int widest = std::max(face.width(), (windowWidth - LayoutMargin - layout.spinRect.left) / 2);
    const int stripBottom = layout.spinRect.top - 20;
    const int tallest =
        std::max(face.height(), (stripBottom - commandStripCeiling(layout.widthClass)) / CommandRows);
    const int height = std::clamp(static_cast<int>(std::ceil(face.height() * layout.captionScale - 1e-9)),
                                  face.height(), tallest);
    const auto pixels = [zoom](int width, int height) { return (QSizeF(width, height) * zoom).toSize(); };
    const int captionPixels = captionPixelSize(pixels(widest, height), zoom * layout.captionScale);
    int width = face.width();
    while (width < widest && !captionsFit(captionPixels, pixels(width, height)))
        ++width;
    layout.commandButtonSize = QSize(width, height);
    layout.optionsTopLeft = QPoint(layout.spinRect.left, stripBottom - height);
}

} // namespace

HitRect minusAreaOf(const HitRect& plus)
{
    const int left = plus.right + 5;
    return {left, plus.top, left + plus.width(), plus.bottom};
}

QRect commandButtonRect(const WindowLayout& layout, int number)
{
    const QSize size = layout.commandButtonSize;
    return QRect(layout.optionsTopLeft +
                     QPoint((number / CommandRows) * size.width(), -(number % CommandRows) * size.height()),
                 size);
}

WindowLayout layoutWindow(const Artwork& artwork, qreal zoom)
{
    WindowLayout layout;
    const int screenWidth = artwork.screenWidth;
    layout.widthClass = widthClassOf(screenWidth);
    const int right = artwork.pictureLeft + artwork.machinePicture.width();
    layout.machineRight = right;
    const int machineBottom = artwork.pictureTop + artwork.machinePicture.height();
    if (!artwork.machinePicture.isNull())
        layout.drawnBottom = machineBottom + artwork.lampBar.height() / 2;

    const int spinWidth = artwork.spinBtn.width();
    const int spinHeight = artwork.spinBtn.height();
    const int stopHeight = artwork.stopBtn.height();
    HitRect& stop = layout.stopRect;
    stop.left = right + (screenWidth - right) / 2 - spinWidth / 2;
    stop.top = machineBottom - spinHeight;
    stop.right = stop.left + spinWidth;
    stop.bottom = stop.top + spinHeight;
    HitRect& spin = layout.spinRect;
    spin.left = stop.left;
    spin.right = stop.right;
    spin.bottom = stop.top - 10;
    spin.top = spin.bottom - stopHeight;

    const bool largeAdjuster = screenWidth >= 1000;
    const QImage& adjuster = largeAdjuster ? artwork.plusMinus : artwork.plusSmall;
    HitRect& linesPlus = layout.linesPlusRect;
    switch (layout.widthClass) {
    case WidthClass::Small:
        linesPlus.left = right + 36;
        linesPlus.top = 32;
        break;
    case WidthClass::Medium:
        linesPlus.left = right + 48;
        linesPlus.top = 32;
        break;
    case WidthClass::Large:
        linesPlus.left = right + 39;
        linesPlus.top = 36;
        break;
    }
    linesPlus.right = linesPlus.left + adjuster.width() / 2;
    linesPlus.bottom = linesPlus.top + adjuster.height();

    HitRect& coinsPlus = layout.coinsPlusRect;
    coinsPlus.left = linesPlus.left + (screenWidth <= 699 ? 75 : screenWidth <= 999 ? 121 : 125);
    coinsPlus.top = linesPlus.top;
    coinsPlus.right = coinsPlus.left + adjuster.width() / 2;
    coinsPlus.bottom = linesPlus.bottom;
    layout.linesMinusRect = minusAreaOf(linesPlus);
    layout.coinsMinusRect = minusAreaOf(coinsPlus);

    layout.logoTopLeft =
        QPoint((artwork.pictureLeft - artwork.logo.width()) / 2, stop.bottom - artwork.logo.height());
    placeCommandStrip(layout, artwork, zoom);

    const int rightmost = std::max({stop.right, layout.coinsMinusRect.right,
                                    layout.optionsTopLeft.x() + 2 * layout.commandButtonSize.width()});
    const int bottom = layout.drawnBottom > 0 ? layout.drawnBottom : stop.bottom;
    layout.size = QSize(rightmost + LayoutMargin, bottom + LayoutMargin);
    return layout;
}

} // namespace zantaro
