// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_interfaces.h"

#include "piece_button.h"
#include "screen_pixels.h"

#include <QAccessibleWidget>

namespace zantaro {

namespace {

class PieceInterface : public QAccessibleWidget
{
public:
    explicit PieceInterface(PieceButton* piece) : QAccessibleWidget(piece, QAccessible::Button) {}

    QRect rect() const override
    {
        const PieceButton& shown = piece();
        return shown.isVisible() ? screenPixelRect(shown, shown.pieceArea()) : QRect();
    }

    // Every piece can take the focus, though only one of them is in the Tab chain at a time.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = !state.disabled;
        return state;
    }

    QStringList actionNames() const override
    {
        if (!piece().isEnabled())
            return {};
        return {pressAction(), setFocusAction()};
    }

    void doAction(const QString& action) override
    {
        if (!piece().isEnabled())
            return;
        if (action == pressAction())
            piece().press();
        else if (action == setFocusAction())
            piece().takeFocus();
    }

private:
    PieceButton& piece() const { return *static_cast<PieceButton*>(widget()); }
};

QAccessibleInterface* gameInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("zantaro::PieceButton"))
        return new PieceInterface(static_cast<PieceButton*>(object));
    if (className == QLatin1String("zantaro::AnnouncementNote"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&gameInterface);
        return true;
    }();
    (void)installed;
}

} // namespace zantaro
