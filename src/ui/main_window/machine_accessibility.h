// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of the main window: the window's real controls (the command
// buttons, the logo, the buttons over SPIN, STOP and the bet adjusters) as buttons with Press and
// Toggle actions, and the items the window only paints (readouts, wheels, the lit lamp) as named
// objects of their own, placed where the screen shows them at every zoom.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

class QWidget;

namespace zantaro {

// A painted item as assistive technology reads it; `group` is the index of the item it belongs
// to, or -1 for an item of the window itself.
struct PaintedItem
{
    QAccessible::Role role = QAccessible::StaticText;
    QString name;
    QRect place; // in the window's logical pixels
    int group = -1;
};

// A window whose painted items assistive technology can read.
class PaintedItems
{
public:
    virtual ~PaintedItems() = default;
    virtual int paintedItemCount() const = 0;
    virtual PaintedItem paintedItem(int index) const = 0;
};

// Installs the interfaces once per program; later calls do nothing.
void installMachineAccessibility();

// Tells a watching client that the painted item's name changed (a counter, a wheel, the lamp).
void notifyPaintedItemChanged(QWidget* window, int index);

} // namespace zantaro
