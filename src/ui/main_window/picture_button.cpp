#include "picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace zantaro {

PictureButton::PictureButton(int number, const QImage& face, QWidget* parent)
    : QWidget(parent), m_number(number), m_face(face), m_picture(face)
{
    setFixedSize(face.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_picture);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_number);
}

} // namespace zantaro
