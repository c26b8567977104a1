#include "window_layout.h"

namespace zantaro {

HitRect minusAreaOf(const HitRect& plus)
{
    const int left = plus.Right + 5;
    return {left, plus.Top, left + plus.width(), plus.Bottom};
}

WindowLayout layoutWindow(const Artwork& artwork)
{
    WindowLayout layout;
    const int screenWidth = artwork.ScreenWidth;
    layout.widthClass = widthClassOf(screenWidth);
    const int right = artwork.PictureLeft + artwork.MachinePicture.width();
    layout.machineRight = right;
    const int machineBottom = artwork.PictureTop + artwork.MachinePicture.height();
    if (!artwork.MachinePicture.isNull())
        layout.drawnBottom = machineBottom + artwork.LampBar.height() / 2;

    const int spinWidth = artwork.SpinBtn.width();
    const int spinHeight = artwork.SpinBtn.height();
    const int stopHeight = artwork.StopBtn.height();
    HitRect& stop = layout.StopRect;
    stop.Left = right + (screenWidth - right) / 2 - spinWidth / 2;
    stop.Top = machineBottom - spinHeight;
    stop.Right = stop.Left + spinWidth;
    stop.Bottom = stop.Top + spinHeight;
    HitRect& spin = layout.SpinRect;
    spin.Left = stop.Left;
    spin.Right = stop.Right;
    spin.Bottom = stop.Top - 10;
    spin.Top = spin.Bottom - stopHeight;

    const bool largeAdjuster = screenWidth >= 1000;
    const QImage& adjuster = largeAdjuster ? artwork.PlusMinus : artwork.PlusSmall;
    HitRect& linesPlus = layout.LinesPlusRect;
    switch (layout.widthClass) {
    case WidthClass::Small:
        linesPlus.Left = right + 36;
        linesPlus.Top = 32;
        break;
    case WidthClass::Medium:
        linesPlus.Left = right + 48;
        linesPlus.Top = 32;
        break;
    case WidthClass::Large:
        linesPlus.Left = right + 39;
        linesPlus.Top = 36;
        break;
    }
    linesPlus.Right = linesPlus.Left + adjuster.width() / 2;
    linesPlus.Bottom = linesPlus.Top + adjuster.height();

    HitRect& coinsPlus = layout.CoinsPlusRect;
    coinsPlus.Left = linesPlus.Left + (screenWidth <= 699 ? 75 : screenWidth <= 999 ? 121 : 125);
    coinsPlus.Top = linesPlus.Top;
    coinsPlus.Right = coinsPlus.Left + adjuster.width() / 2;
    coinsPlus.Bottom = linesPlus.Bottom;
    layout.linesMinusRect = minusAreaOf(linesPlus);
    layout.coinsMinusRect = minusAreaOf(coinsPlus);

    layout.logoTopLeft = QPoint((artwork.PictureLeft - artwork.Logo.width()) / 2, stop.Bottom - artwork.Logo.height());
    layout.optionsTopLeft = QPoint(spin.Left, spin.Top - artwork.Options.height() - 20);
    return layout;
}

} // namespace zantaro
