// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_fit.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace zantaro {

namespace {

// A push button's text beside its icon, with the style's margins: its size hint without the
// least width the style gives every text button, which would widen buttons whose text fits.
int pushButtonWidth(const QPushButton& button)
{
    const QStyle* style = button.style();
    int width = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width();
    if (!button.icon().isNull())
        width += button.iconSize().width() + 4;
    width += style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (button.isDefault() || button.autoDefault())
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, &button);
    return width;
}

// The size the widget's text needs, never less than its own size: the width of a line of text,
// the height of a wrapped one.
QSize textNeeds(const QWidget& widget)
{
    const QSize size = widget.size();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty())
            return size;
        if (label->wordWrap())
            return {size.width(), std::max(size.height(), label->heightForWidth(size.width()))};
        // A line of text needs its width; its height is the layout's, as drawn.
        return {std::max(size.width(), label->sizeHint().width()), size.height()};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (!button || button->text().isEmpty())
        return size;
    if (const auto* push = qobject_cast<const QPushButton*>(button))
        return {std::max(size.width(), pushButtonWidth(*push)), size.height()};
    return {std::max(size.width(), button->sizeHint().width()), size.height()};
}

// A frame or panel holding controls of its own; a scroll area lays out its own.
bool holdsControls(const QWidget& widget)
{
    return !qobject_cast<const QLabel*>(&widget) && !qobject_cast<const QAbstractButton*>(&widget) &&
           !qobject_cast<const QAbstractScrollArea*>(&widget) &&
           !widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

QList<QWidget*> childWidgets(const QWidget& parent)
{
    QList<QWidget*> children = parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget* child) { return child->isWindow(); });
    return children;
}

// The controls to the right of a widget that grew wider, in its row, and those under one that grew
// taller, in its column, move by its growth.
void moveFollowers(const QWidget& grown, const QRect& before, QSize growth)
{
    for (QWidget* other : childWidgets(*grown.parentWidget())) {
        const QRect at = other->geometry();
        if (other == &grown)
            continue;
        QPoint by;
        if (at.left() > before.right() && at.top() <= before.bottom() && at.bottom() >= before.top())
            by.rx() = growth.width();
        if (at.top() > before.bottom() && at.left() <= before.right() && at.right() >= before.left())
            by.ry() = growth.height();
        other->move(at.topLeft() + by);
    }
}

QRect childrenBounds(const QWidget& parent)
{
    QRect bounds;
    for (const QWidget* child : childWidgets(parent))
        bounds |= child->geometry();
    return bounds;
}

void resizeTo(QWidget& widget, QSize size)
{
    if (size == widget.size())
        return;
    const QRect before = widget.geometry();
    if (widget.minimumSize() == widget.maximumSize())
        widget.setFixedSize(size);
    else
        widget.resize(size);
    if (!widget.isWindow())
        moveFollowers(widget, before, size - before.size());
}

// Fits the container's children from left to right and top to bottom, then grows the container by
// as much as its children reach further than before.
void fitChildren(QWidget& container)
{
    const QRect boundsBefore = childrenBounds(container);
    QList<QWidget*> children = childWidgets(container);
    std::sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    for (QWidget* child : children) {
        if (holdsControls(*child))
            fitChildren(*child);
        else
            resizeTo(*child, textNeeds(*child));
    }
    const QRect bounds = childrenBounds(container);
    const QSize growth(std::max(0, bounds.right() - boundsBefore.right()),
                       std::max(0, bounds.bottom() - boundsBefore.bottom()));
    resizeTo(container, container.size() + growth);
}

} // namespace

void fitTextsToWindow(QWidget& window)
{
    const QSize before = window.size();
    fitChildren(window);
    if (window.size() == before)
        return;
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace zantaro
