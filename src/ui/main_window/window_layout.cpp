// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

namespace zantaro {

HitRect minusAreaOf(const HitRect& plus)
{
    const int left = plus.right + 5;
    return {left, plus.top, left + plus.width(), plus.bottom};
}

WindowLayout layoutWindow(const Artwork& artwork)
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
    layout.optionsTopLeft = QPoint(spin.left, spin.top - artwork.options.height() - 20);
    return layout;
}

} // namespace zantaro
