// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_canvas.h"

#include "hot_spots.h"

#include <QBackingStore>
#include <QTimer>
#include <QWindow>

namespace zantaro {

WindowCanvas::WindowCanvas(QWidget& window) : m_window(window) {}

// The backing store is the picture the window system shows; drawing into it between paint events
// is how a raster window paints without a back buffer of its own. Before the first paint event it
// has no picture yet, and that paint draws everything.
QPaintDevice* WindowCanvas::beginDrawing()
{
    QBackingStore* store = m_window.backingStore();
    const bool direct = !m_inPaintEvent && m_painted && m_window.isVisible() && store;
    m_storePaints.push_back(direct);
    if (m_inPaintEvent)
        return &m_window;
    if (!direct)
        return nullptr;
    store->beginPaint(QRegion(m_window.rect()));
    return store->paintDevice();
}

void WindowCanvas::endDrawing()
{
    const bool direct = m_storePaints.back();
    m_storePaints.pop_back();
    if (direct)
        m_window.backingStore()->endPaint();
}

QRect WindowCanvas::bounds() const
{
    return m_view.inverted().mapRect(QRectF(m_window.rect())).toAlignedRect();
}

void WindowCanvas::paintEvent(const std::function<void()>& paint)
{
    m_inPaintEvent = true;
    paint();
    m_inPaintEvent = false;
    m_painted = true;
}

void WindowCanvas::touched(const QRect& rect)
{
    if (m_inPaintEvent || !m_painted || !m_window.isVisible())
        return;
    if (m_touched.isEmpty())
        QTimer::singleShot(0, &m_window, [this] { showTouched(); });
    QRect shown = m_view.mapRect(QRectF(rect)).toAlignedRect();
    // A scaled rectangle's edges fall inside device pixels, which the window system rounds either way.
    if (m_view.isScaling())
        shown.adjust(-1, -1, 1, 1);
    m_touched += shown & m_window.rect();
}

// A whole-window drawing covers the child controls: they draw themselves again before the
// picture is shown.
void WindowCanvas::showTouched()
{
    const QRegion touched = m_touched;
    m_touched = QRegion();
    for (QWidget* child : m_window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A keyboard spot draws nothing, and its repaint would have the window paint the picture
        // under it anew.
        if (!child->isWindow() && child->isVisible() && !isKeyboardSpot(*child) &&
            touched.intersects(child->geometry()))
            child->repaint();
    }
    QWindow* window = m_window.windowHandle();
    if (!window || !window->isExposed())
        return;
    // Rectangle by rectangle: an X server without shared memory is sent the bounds of each flush,
    // and the bounds of all of them would be most of the window.
    for (const QRect& rect : touched)
        m_window.backingStore()->flush(rect, window);
}

QImage WindowCanvas::pixels() const
{
    QBackingStore* store = m_window.backingStore();
    if (!m_painted || !store)
        return {};
    store->beginPaint(QRegion());
    QImage copy;
    if (store->paintDevice()->devType() == QInternal::Image)
        copy = static_cast<const QImage*>(store->paintDevice())->copy();
    store->endPaint();
    return copy;
}

} // namespace zantaro
