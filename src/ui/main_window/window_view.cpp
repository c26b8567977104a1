// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_view.h"

#include <algorithm>
#include <cmath>

namespace zantaro {

namespace {

// Whole device pixel offsets lie this close to any place at the zooms the game picks: 1.28, the
// coarsest, repeats its pixel grid every 25 pixels.
constexpr int FurthestFromTheMiddle = 12;

// The offset nearest the middle of `slack` spare pixels that is a whole number of device pixels,
// or the middle itself when none is near.
int centringOffset(int slack, qreal devicePixelRatio)
{
    // Qt hands the ratio out in fixed point (a zoom of 1.28 reads 1.2799988); four decimals give
    // back the zoom that was asked for.
    const double ratio = std::round(devicePixelRatio * 1e4) / 1e4;
    const auto whole = [ratio](int offset) {
        const double device = offset * ratio;
        return std::abs(device - std::round(device)) < 1e-6;
    };
    const int middle = slack / 2;
    for (int distance = 0; distance <= FurthestFromTheMiddle; ++distance) {
        for (const int offset : {middle - distance, middle + distance}) {
            if (offset >= std::min(0, slack) && offset <= std::max(0, slack) && whole(offset))
                return offset;
        }
    }
    return middle;
}

} // namespace

WindowView WindowView::centred(QSize layout, QSize window, qreal devicePixelRatio, bool fill)
{
    if (layout.isEmpty())
        return {};
    if (!fill)
        return {QPointF(centringOffset(window.width() - layout.width(), devicePixelRatio),
                        centringOffset(window.height() - layout.height(), devicePixelRatio)),
                1.0};
    const qreal scale =
        std::min(qreal(window.width()) / layout.width(), qreal(window.height()) / layout.height());
    const auto onDevicePixel = [devicePixelRatio](qreal offset) {
        return std::round(offset * devicePixelRatio) / devicePixelRatio;
    };
    return {QPointF(onDevicePixel((window.width() - layout.width() * scale) / 2),
                    onDevicePixel((window.height() - layout.height() * scale) / 2)),
            scale};
}

QTransform WindowView::transform() const
{
    return QTransform(m_scale, 0, 0, m_scale, m_offset.x(), m_offset.y());
}

QRect WindowView::toWindow(const QRect& layout) const
{
    const QPointF topLeft = m_offset + QPointF(layout.topLeft()) * m_scale;
    const QPointF bottomRight =
        m_offset + QPointF(layout.left() + layout.width(), layout.top() + layout.height()) * m_scale;
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())),
                 QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1));
}

QPoint WindowView::toLayout(QPointF window) const
{
    const QPointF layout = (window - m_offset) / m_scale;
    return QPoint(static_cast<int>(std::floor(layout.x())), static_cast<int>(std::floor(layout.y())));
}

} // namespace zantaro
