// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom_choice.h"

#include <cmath>
#include <vector>

namespace zantaro {

namespace {

constexpr double EnoughFill = 0.85;
constexpr double ZoomStep = 0.25;

struct Candidate
{
    double zoom = 1.0;
    double fill = 0.0; // the drawn height's share of the available height; 0 when it does not fit
};

Candidate tryZoom(double zoom, QSize available, QMargins frame, const DrawnHeight& drawnHeight)
{
    const QSize screen = logicalScreen(available, zoom);
    if (screen.width() < NarrowestLogicalScreen)
        return {zoom, 0.0};
    const int height = drawnHeight(screen.width());
    const QSize client = windowSize(screen, height);
    const bool fits = client.width() * zoom + frame.left() + frame.right() <= available.width() &&
                      client.height() * zoom + frame.top() + frame.bottom() <= available.height();
    return {zoom, fits && height > 0 ? height * zoom / available.height() : 0.0};
}

} // namespace

QSize logicalScreen(QSize available, double zoom)
{
    return QSize(static_cast<int>(std::lround(available.width() / zoom)),
                 static_cast<int>(std::lround(available.height() / zoom)));
}

QSize windowSize(QSize logicalScreen, int drawnHeight)
{
    // The layout centres the machine and its right band on the screen width; the window is that
    // width less the 10 pixels the layout always kept free.
    return QSize(logicalScreen.width() - 10, drawnHeight + LayoutMargin);
}

double chooseZoom(QSize available, QMargins frame, const DrawnHeight& drawnHeight)
{
    if (available.width() < NarrowestLogicalScreen || available.height() <= 0)
        return 1.0;
    // Quarter steps first, then every whole-pixel logical width, each in rising zoom.
    std::vector<Candidate> candidates;
    for (double zoom = 1.0; available.width() / zoom >= NarrowestLogicalScreen; zoom += ZoomStep)
        candidates.push_back(tryZoom(zoom, available, frame, drawnHeight));
    for (int width = available.width(); width >= NarrowestLogicalScreen; --width)
        candidates.push_back(tryZoom(double(available.width()) / width, available, frame, drawnHeight));

    // The smallest zoom that fills enough keeps the largest layout; failing that, the fullest.
    Candidate fullest;
    for (const Candidate& candidate : candidates) {
        if (candidate.fill >= EnoughFill - 1e-9)
            return candidate.zoom;
        if (candidate.fill > fullest.fill)
            fullest = candidate;
    }
    return fullest.zoom;
}

} // namespace zantaro
