// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine_accessibility.h"

#include "picture_button.h"
#include "ui/accessibility/screen_pixels.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QScreen>
#include <QWidget>
#include <vector>

namespace zantaro {

namespace {

class WindowAccessible;

// One painted item of the window, read afresh from the window every time a client asks.
class PaintedItemAccessible : public QAccessibleInterface
{
public:
    PaintedItemAccessible(WindowAccessible& window, int index) : m_window(window), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

    int index() const { return m_index; }

private:
    WindowAccessible& m_window;
    const int m_index;
};

// The main window: its child widgets as Qt finds them, then the painted items of the window
// itself; an item's own items are its children.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}
    ~WindowAccessible() override
    {
        for (const QAccessible::Id id : m_items)
            if (id != 0 && QAccessible::accessibleInterface(id))
                QAccessible::deleteAccessibleInterface(id);
    }

    const PaintedItems* items() const { return dynamic_cast<const PaintedItems*>(widget()); }
    QWidget* windowWidget() const { return widget(); }

    // The interface of item `index`, made once and kept by Qt's cache.
    PaintedItemAccessible* item(int index)
    {
        if (index < 0 || !items() || index >= items()->paintedItemCount())
            return nullptr;
        if (static_cast<std::size_t>(index) >= m_items.size())
            m_items.resize(static_cast<std::size_t>(index) + 1, 0);
        QAccessible::Id& id = m_items[static_cast<std::size_t>(index)];
        if (QAccessibleInterface* made = id != 0 ? QAccessible::accessibleInterface(id) : nullptr)
            return static_cast<PaintedItemAccessible*>(made);
        auto* made = new PaintedItemAccessible(*this, index);
        id = QAccessible::registerAccessibleInterface(made);
        return made;
    }
    // The items in `group`, in order.
    std::vector<int> members(int group) const
    {
        std::vector<int> found;
        for (int i = 0; items() && i < items()->paintedItemCount(); ++i)
            if (items()->paintedItem(i).group == group)
                found.push_back(i);
        return found;
    }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(members(-1).size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<int> own = members(-1);
        const auto at = static_cast<std::size_t>(index - widgets);
        return at < own.size() ? const_cast<WindowAccessible*>(this)->item(own[at]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* painted = dynamic_cast<const PaintedItemAccessible*>(child)) {
            const std::vector<int> own = members(-1);
            for (std::size_t i = 0; i < own.size(); ++i)
                if (own[i] == painted->index())
                    return QAccessibleWidget::childCount() + static_cast<int>(i);
            return -1;
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* candidate = child(i);
            if (candidate && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }
    QRect rect() const override { return screenPixelRect(*widget(), widget()->rect()); }

private:
    // Qt's cache owns the items' interfaces; the window keeps their ids.
    std::vector<QAccessible::Id> m_items;
};

bool PaintedItemAccessible::isValid() const
{
    return m_window.items() && m_index < m_window.items()->paintedItemCount();
}

QWindow* PaintedItemAccessible::window() const
{
    return m_window.window();
}

QAccessibleInterface* PaintedItemAccessible::parent() const
{
    const int group = m_window.items()->paintedItem(m_index).group;
    return group < 0 ? static_cast<QAccessibleInterface*>(&m_window) : m_window.item(group);
}

QAccessibleInterface* PaintedItemAccessible::child(int index) const
{
    const std::vector<int> own = m_window.members(m_index);
    return index >= 0 && static_cast<std::size_t>(index) < own.size()
               ? m_window.item(own[static_cast<std::size_t>(index)])
               : nullptr;
}

int PaintedItemAccessible::childCount() const
{
    return static_cast<int>(m_window.members(m_index).size());
}

int PaintedItemAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* painted = dynamic_cast<const PaintedItemAccessible*>(child);
    const std::vector<int> own = m_window.members(m_index);
    for (std::size_t i = 0; painted && i < own.size(); ++i)
        if (own[i] == painted->index())
            return static_cast<int>(i);
    return -1;
}

QString PaintedItemAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_window.items()->paintedItem(m_index).name : QString();
}

QRect PaintedItemAccessible::rect() const
{
    return screenPixelRect(*m_window.windowWidget(), m_window.items()->paintedItem(m_index).place);
}

QAccessible::Role PaintedItemAccessible::role() const
{
    return m_window.items()->paintedItem(m_index).role;
}

// A button of the window: a Press action (and Toggle for a toggle) that clicks it, its checked
// state, its shortcut, and its place on the screen.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QKeySequence keys() const
    {
        const auto* picture = qobject_cast<const PictureButton*>(button());
        return picture ? picture->keySequence() : button()->shortcut();
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return button()->accessibleName().isEmpty() ? button()->text() : button()->accessibleName();
        case QAccessible::Accelerator:
            return keys().toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // A toggle is a check box; checkability is set after the button is made.
    QAccessible::Role role() const override
    {
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override
    {
        QStringList names{button()->isCheckable() ? toggleAction() : pressAction()};
        names << QAccessibleWidget::actionNames();
        return names;
    }
    void doAction(const QString& action) override
    {
        // Clicked from the event loop, not inside the client's call: a command may open a modal
        // window or run a spin, and the client waits for its call to return.
        if (action == pressAction() || action == toggleAction())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction() || action == toggleAction())
            return {keys().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
    QRect rect() const override { return screenPixelRect(*widget(), widget()->rect()); }
};

// A focusable text of the window (the spin's outcome, the balance), read by its name. It is a
// status bar: screen readers speak a new name of the focused status bar, and pass over the name
// changes of plain labels.
class TextAccessible : public QAccessibleWidget
{
public:
    explicit TextAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StatusBar) {}
    QRect rect() const override { return screenPixelRect(*widget(), widget()->rect()); }
};

QAccessibleInterface* machineInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("zantaro::MainWindow"))
        return new WindowAccessible(widget);
    if (className == QLatin1String("zantaro::PictureButton") ||
        className == QLatin1String("zantaro::HotSpot"))
        return new ButtonAccessible(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String("zantaro::ReadingSpot"))
        return new TextAccessible(widget);
    return nullptr;
}

} // namespace

void installMachineAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(machineInterface);
    installed = true;
}

void notifyPaintedItemChanged(QWidget* window, int index)
{
    if (!QAccessible::isActive())
        return;
    auto* windowInterface = dynamic_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(window));
    if (!windowInterface)
        return;
    if (QAccessibleInterface* item = windowInterface->item(index)) {
        QAccessibleEvent event(item, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace zantaro
