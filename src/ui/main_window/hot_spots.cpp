// SPDX-License-Identifier: GPL-3.0-or-later
#include "hot_spots.h"

#include "picture_button.h"

#include <QKeyEvent>

namespace zantaro {

HotSpot::HotSpot(const QString& name, QWidget* parent) : QAbstractButton(parent)
{
    setText(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

// The window draws the ring of the focused spot over its own picture (drawFocusedSpot), since
// the spot stands over what the window draws between paint events.
void HotSpot::paintEvent(QPaintEvent*) {}

void HotSpot::keyPressEvent(QKeyEvent* event)
{
    if (isReturnKey(*event) && !event->isAutoRepeat())
        click();
    else
        event->ignore();
}

void HotSpot::keyReleaseEvent(QKeyEvent* event)
{
    event->ignore();
}

ReadingSpot::ReadingSpot(const QString& name, QWidget* parent) : ReadingSpot(name, parent, Qt::TabFocus)
{
    m_twin = new ReadingSpot(name, parent, Qt::NoFocus);
}

ReadingSpot::ReadingSpot(const QString& name, QWidget* parent, Qt::FocusPolicy policy) : QWidget(parent)
{
    setAccessibleName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(policy);
}

// A screen reader speaks a focus that moves, but not a new name where the focus already is (Qt
// 6.4 reports the change in a form Orca cannot read): a text read while the spot has the focus
// goes to its twin in the same place, and the focus with it.
void ReadingSpot::place(const QRect& geometry)
{
    setGeometry(geometry);
    if (m_twin)
        m_twin->setGeometry(geometry);
}

void ReadingSpot::read(const QString& text)
{
    ReadingSpot* reader = hasFocus() ? m_twin : this;
    reader->setAccessibleName(text);
    reader->setFocus(Qt::OtherFocusReason);
}

void ReadingSpot::paintEvent(QPaintEvent*) {}

} // namespace zantaro
