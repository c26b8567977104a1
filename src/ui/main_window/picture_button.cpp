// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace zantaro {

PictureButton::PictureButton(int number, const QImage& face, QWidget* parent)
    : QWidget(parent), m_number(number), m_face(face), m_picture(face)
{
    // A face drawn for a high-density screen carries its pixel ratio; the button keeps the size
    // of its 1x face.
    setFixedSize(face.deviceIndependentSize().toSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(QRectF(rect()), m_picture);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_number);
}

} // namespace zantaro
