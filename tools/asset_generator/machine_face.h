// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's face: cabinet, marquee, payline markers and the nine white wheel windows.
#pragma once

#include <QImage>
#include <QRect>

namespace zantaro::assets {

// Where the wheel windows of one face lie. The spin paints the symbols, the motion strip and its
// white fill inside these windows, so they must sit exactly there.
struct FaceLayout
{
    int width;
    int height;
    int windowLeft; // wheel 0's window
    int windowTop;
    int columnStep;
    int rowStep;
    int windowWidth;
    int windowHeight;

    QRect window(int wheel) const
    {
        return QRect(windowLeft + (wheel % 3) * columnStep, windowTop + (wheel / 3) * rowStep, windowWidth,
                     windowHeight);
    }
};

// The face for 64-pixel symbols: windows 65 x 97, the line highlight box.
inline constexpr FaceLayout SmallFace{324, 400, 49, 45, 81, 112, 65, 97};
// The face for 96-pixel symbols. The highlight box is 99 wide from the window's left edge, but
// the symbols and the motion picture of a turning wheel start 4 columns in and run one column
// past the box; the window reaches 4 columns past the symbols too, so they stand centred in it.
inline constexpr FaceLayout LargeFace{500, 640, 75, 70, 124, 173, 104, 150};

QImage machineFace(const FaceLayout& layout);

} // namespace zantaro::assets
