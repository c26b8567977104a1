// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include "ui/accessibility/focus_ring.h"

#include <QKeyEvent>
#include <QPainter>

namespace zantaro {

PictureButton::PictureButton(int number, const QImage& face, QWidget* parent)
    : QAbstractButton(parent), m_number(number), m_face(face), m_picture(face)
{
    // A face drawn for a high-density screen carries its pixel ratio; the button keeps the size
    // of its 1x face.
    setFixedSize(face.deviceIndependentSize().toSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only Tab gives it the focus: after a click, Return still spins the wheels.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRectF(rect()), m_picture);
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
