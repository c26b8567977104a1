// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include "ui/accessibility/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>

namespace zantaro {

QSize devicePixelsCovered(const QRect& rect, qreal devicePixelRatio)
{
    const auto covered = [devicePixelRatio](int from, int length) {
        return qRound((from + length) * devicePixelRatio) - qRound(from * devicePixelRatio);
    };
    return QSize(covered(rect.left(), rect.width()), covered(rect.top(), rect.height()));
}

PictureButton::PictureButton(int number, QWidget* parent) : QAbstractButton(parent), m_number(number)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only Tab gives it the focus: after a click, Return still spins the wheels.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::place(const QRect& geometry, const QImage& picture)
{
    setGeometry(geometry);
    const QSize pixels = devicePixelsCovered(geometry, devicePixelRatioF());
    m_face = picture.size() == pixels
                 ? picture
                 : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_face.setDevicePixelRatio(1);
    m_picture = m_face;
    update();
}

// The picture is in device pixels: undoing the device's scale copies it without resampling.
void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.drawImage(QPoint(0, 0), m_picture);
    painter.resetTransform();
    if (hasFocus())
        paintFocusRing(painter, rect());
}

bool isReturnKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (isReturnKey(*event) && !event->isAutoRepeat())
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

} // namespace zantaro
