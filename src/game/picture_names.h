// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the larger picture sets: the generator writes them and the game finds them.
#pragma once

#include <algorithm>
#include <string>

namespace zantaro {

// The largest picture set drawn; 2x and 3x sets sit beside the 1x pictures.
inline constexpr int LargestPictureScale = 3;

// The scale of the picture set drawn at a device pixel ratio: the nearest at or above it, so a
// picture is only ever shrunk; 1 at ratio 1, and the largest set above that.
inline int sharpScaleFor(double devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return 1;
    return devicePixelRatio <= 2.0 ? 2 : LargestPictureScale;
}

// "Inter.bmp" at scale 2 is "Inter@2x.bmp"; scale 1 keeps the name.
inline std::string scaledPictureName(const std::string& name, int scale)
{
    if (scale == 1)
        return name;
    std::string scaled = name;
    std::string suffix(1, '@');
    suffix += std::to_string(scale);
    suffix += 'x';
    scaled.insert(std::min(name.rfind('.'), name.size()), suffix);
    return scaled;
}

} // namespace zantaro
