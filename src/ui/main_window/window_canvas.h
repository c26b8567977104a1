// SPDX-License-Identifier: GPL-3.0-or-later
// WindowCanvas: the main window as the machine painter's canvas. Between paint events the painter
// draws straight into the window's backing store, so the window keeps no second copy of its
// pixels, and what it touched is shown once per turn of the event loop; in a paint event it draws
// on the window. The layout stands where the window's view puts it.
#pragma once

#include "canvas.h"

#include <QRegion>
#include <QWidget>
#include <functional>
#include <vector>

namespace zantaro {

class WindowCanvas : public Canvas
{
public:
    explicit WindowCanvas(QWidget& window);

    QPaintDevice* beginDrawing() override;
    void endDrawing() override;
    QTransform view() const override { return m_view; }
    QRect bounds() const override;
    void setView(const QTransform& view) { m_view = view; }

    // Runs `paint` for a paint event of the window, drawing on the window itself.
    void paintEvent(const std::function<void()>& paint);
    // Shown at the next turn of the event loop.
    void touched(const QRect& rect) override;
    // True once the window has been painted, so its backing store holds the whole picture.
    bool painted() const { return m_painted; }
    // The window's pixels as they are now, in device pixels; null before the first paint.
    QImage pixels() const;

private:
    void showTouched();

    QWidget& m_window;
    QTransform m_view;
    bool m_painted = false;
    bool m_inPaintEvent = false;
    // Per open drawing step, innermost last: whether it began a paint of the backing store.
    std::vector<bool> m_storePaints;
    QRegion m_touched;
};

} // namespace zantaro
