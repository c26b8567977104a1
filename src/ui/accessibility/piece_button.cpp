// SPDX-License-Identifier: GPL-3.0-or-later
#include "piece_button.h"

#include "accessible_interfaces.h"
#include "focus_ring.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace zantaro {

PieceButton::PieceButton(QWidget* parent, int ringMargin) : QWidget(parent), m_ringMargin(ringMargin)
{
    installAccessibleInterfaces();
    // The first piece of a window is its stop in the Tab chain until another is visited.
    const QList<PieceButton*> others = pieces();
    const bool first = std::none_of(others.begin(), others.end(), [this](const PieceButton* piece) {
        return piece != this && piece->focusPolicy() != Qt::NoFocus;
    });
    setFocusPolicy(first ? Qt::TabFocus : Qt::NoFocus);
}

QRect PieceButton::pieceArea() const
{
    return rect().marginsRemoved(QMargins(m_ringMargin, m_ringMargin, m_ringMargin, m_ringMargin));
}

QList<PieceButton*> PieceButton::pieces() const
{
    QWidget* window = parentWidget();
    return window ? window->findChildren<PieceButton*>(Qt::FindDirectChildrenOnly) : QList<PieceButton*>();
}

void PieceButton::becomeTabStop()
{
    for (PieceButton* piece : pieces())
        piece->setFocusPolicy(piece == this ? Qt::TabFocus : Qt::NoFocus);
}

void PieceButton::takeFocus()
{
    becomeTabStop();
    setFocus(Qt::OtherFocusReason);
}

PieceButton* PieceButton::pieceToward(int key) const
{
    const QList<PieceButton*> all = pieces();
    if (key == Qt::Key_Home)
        return all.value(0);
    if (key == Qt::Key_End)
        return all.value(all.size() - 1);
    const QPoint step = key == Qt::Key_Left    ? QPoint(-1, 0)
                        : key == Qt::Key_Right ? QPoint(1, 0)
                        : key == Qt::Key_Up    ? QPoint(0, -1)
                                               : QPoint(0, 1);
    // The nearest piece within 45 degrees of the key's direction; of equals, the one made first.
    PieceButton* nearest = nullptr;
    int nearestDistance = 0;
    const QPoint from = geometry().center();
    for (PieceButton* piece : all) {
        const QPoint offset = piece->geometry().center() - from;
        const int along = QPoint::dotProduct(offset, step);
        const int across = std::abs(step.x() != 0 ? offset.y() : offset.x());
        if (piece == this || along <= 0 || across > along)
            continue;
        if (nearest == nullptr || along + across < nearestDistance) {
            nearest = piece;
            nearestDistance = along + across;
        }
    }
    return nearest;
}

void PieceButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (PieceButton* next = pieceToward(event->key()))
            next->takeFocus();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PieceButton::focusInEvent(QFocusEvent* event)
{
    becomeTabStop();
    QWidget::focusInEvent(event); // repaints, with the ring
}

void PieceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFocusRingIfFocused(painter);
}

void PieceButton::paintFocusRingIfFocused(QPainter& painter) const
{
    if (hasFocus())
        paintFocusRing(painter, rect());
}

} // namespace zantaro
