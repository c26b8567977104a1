// SPDX-License-Identifier: GPL-3.0-or-later
#include "hot_spots.h"

#include "picture_button.h"

#include <QKeyEvent>

namespace zantaro {

HotSpot::HotSpot(const QString& name, const QRect& place, QWidget* parent) : QAbstractButton(parent)
{
    setText(name);
    setGeometry(place);
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

ReadingSpot::ReadingSpot(const QString& name, const QRect& place, QWidget* parent) : QWidget(parent)
{
    setAccessibleName(name);
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void ReadingSpot::read(const QString& text)
{
    setAccessibleName(text);
    if (hasFocus())
        clearFocus();
    setFocus(Qt::OtherFocusReason);
}

void ReadingSpot::paintEvent(QPaintEvent*) {}

} // namespace zantaro
