// SPDX-License-Identifier: GPL-3.0-or-later
// ScreenFacts: the facts about the display that choose the artwork and the layout, read once at
// start-up; tests give any width and depth.
#pragma once

namespace zantaro {

struct ScreenFacts
{
    int width = 1280;
    int height = 1024;
    int bitsPerPixel = 32;
    int dotsPerInch = 96;
    // Where the area open to windows starts; width and height are that area's.
    int left = 0;
    int top = 0;
};

// The primary screen's facts, its area inside panels and docks in logical pixels; needs a running
// QGuiApplication.
ScreenFacts primaryScreenFacts();

// Width classes of the layout; the artwork's size bands use their own limits.
enum class WidthClass
{
    Small,
    Medium,
    Large
};

constexpr WidthClass widthClassOf(int screenWidth)
{
    return screenWidth < 700    ? WidthClass::Small
           : screenWidth < 1000 ? WidthClass::Medium
                                : WidthClass::Large;
}

} // namespace zantaro
