// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for the keyboard and for assistive technology: buttons over the painted SPIN,
// STOP and bet adjusters, the texts read on demand (R: the last spin, B: credits and bet), the
// painted items named by what they show, and the order Tab takes through the controls.
#include "game/paytable.h"
#include "game/reels.h"
#include "hot_spots.h"
#include "machine_accessibility.h"
#include "main_window.h"
#include "picture_button.h"
#include "platform/screen_reader.h"
#include "ui/accessibility/focus_ring.h"
#include "ui/texts/recall_text.h"

#include <QAccessible>

namespace zantaro {

namespace {

// The painted items after the readouts: the lit lamp, then the wheels, a group of nine.
constexpr int LampItem = ReadoutCount;
constexpr int WheelsItem = LampItem + 1;
constexpr int FirstWheelItem = WheelsItem + 1;
constexpr int PaintedItemTotal = FirstWheelItem + WheelCount;

} // namespace

QString MainWindow::symbolName(int symbol)
{
    switch (symbol) {
    case Wild:
        return tr("Wild");
    case Seven:
        return tr("Seven");
    case Melon:
        return tr("Melon");
    case Bell:
        return tr("Bell");
    case Apple:
        return tr("Apple");
    case Grape:
        return tr("Grapes");
    case Cherry:
        return tr("Cherry");
    case TripleBar:
        return tr("Triple Bar");
    case DoubleBar:
        return tr("Double Bar");
    default:
        return tr("Blank");
    }
}

void MainWindow::addKeyboardControls()
{
    const auto pressing = [this](const HitRect& area) {
        return [this, area] {
            const QPoint centre = area.pictureRect().center();
            pressAt(centre.x(), centre.y());
        };
    };
    const struct
    {
        QString name;
        HitRect area;
    } spots[] = {
        {tr("SPIN"), m_layout.spinRect},
        {tr("STOP"), m_layout.stopRect},
        {tr("Add a line"), m_layout.linesPlusRect},
        {tr("Remove a line"), m_layout.linesMinusRect},
        {tr("Add a coin"), m_layout.coinsPlusRect},
        {tr("Remove a coin"), m_layout.coinsMinusRect},
    };
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const auto& spot : spots) {
        auto* button = new HotSpot(spot.name, this);
        connect(button, &QAbstractButton::clicked, this, pressing(spot.area));
        m_hotSpots.emplace_back(button, spot.area);
        chain(button);
    }
    m_outcomeSpot = new ReadingSpot(tr("Last spin"), this);
    chain(m_outcomeSpot);
    m_balanceSpot = new ReadingSpot(tr("Credits and bet"), this);
    chain(m_balanceSpot);
    placeKeyboardControls();
    for (int number = 0; number < CommandCount; ++number)
        chain(&m_commandStrip->button(number));
    chain(m_logo);
    // The window keeps the focus until Tab moves it, so no ring shows for a player who never uses
    // Tab, and every key reaches the window.
    setFocus(Qt::OtherFocusReason);
}

void MainWindow::placeKeyboardControls()
{
    for (const auto& [spot, area] : m_hotSpots)
        spot->setGeometry(m_view.toWindow(area.pictureRect()));
    if (m_outcomeSpot)
        m_outcomeSpot->place(m_view.toWindow(wheelsRect()));
    if (m_balanceSpot)
        m_balanceSpot->place(m_view.toWindow(m_painter.readoutPlace(Readout::Credits)));
}

QRect MainWindow::wheelsRect() const
{
    QRect wheels;
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        wheels |= m_painter.wheelWindowRect(wheel);
    return wheels;
}

// The spots draw nothing; the focused one's ring is drawn with the window's picture, and comes
// back with each paint that the spot's focus change asks for.
void MainWindow::drawFocusedSpot()
{
    QWidget* focused = focusWidget();
    if (!focused || focused->parentWidget() != this || !isKeyboardSpot(*focused))
        return;
    CanvasPainter painter(m_canvas);
    painter.resetTransform(); // the spot stands in the window's pixels, not the layout's
    paintFocusRing(painter, focused->geometry());
}

void MainWindow::readLastSpin()
{
    if (m_game.history().recalls().empty()) {
        m_outcomeSpot->read(tr("No spin yet."));
        return;
    }
    const SpinRecall& recall = m_game.history().recalls().back();
    QStringList parts;
    for (int line = 0; line < PaylineCount; ++line) {
        if (recall.linePays[line] <= 0)
            continue;
        QStringList symbols;
        for (const int wheel : Paylines[line])
            symbols << symbolName(recall.symbols[wheel]);
        parts << tr("Line %1: %2.").arg(line + 1).arg(symbols.join(QStringLiteral(", ")));
    }
    parts << recallLines(recall);
    m_outcomeSpot->read(parts.join(QLatin1Char(' ')));
}

void MainWindow::readBalance()
{
    m_balanceSpot->read(tr("Credits %1. Lines played %2, coins per line %3, coins played %4.")
                            .arg(state().credits)
                            .arg(state().linesPlayed)
                            .arg(state().coinsPerLine)
                            .arg(betOf(state().linesPlayed, state().coinsPerLine)));
}

// After each spin a screen reader hears its outcome at once. Without one nothing moves the focus:
// the accessibility bus runs on most desktops whether or not anyone listens.
void MainWindow::announceSettledSpin()
{
    notifyPaintedItemChanged(this, LampItem);
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        notifyPaintedItemChanged(this, FirstWheelItem + wheel);
    if (QAccessible::isActive() && screenReaderRunning())
        readLastSpin();
}

int MainWindow::paintedItemCount() const
{
    return PaintedItemTotal;
}

// Assistive technology finds each item where the view shows it.
PaintedItem MainWindow::paintedItem(int index) const
{
    PaintedItem item = paintedItemInLayout(index);
    item.place = m_view.toWindow(item.place);
    return item;
}

PaintedItem MainWindow::paintedItemInLayout(int index) const
{
    const GameState& game = state();
    if (index < ReadoutCount) {
        const auto readout = static_cast<Readout>(index);
        const QRect place = m_painter.readoutPlace(readout);
        switch (readout) {
        case Readout::Credits:
            return {QAccessible::StaticText, tr("Credits %1").arg(game.credits), place};
        case Readout::BonusPool:
            return {QAccessible::StaticText, tr("Bonus Pool %1").arg(game.bellPool), place};
        case Readout::LinesPlayed:
            return {QAccessible::StaticText, tr("Lines Played %1").arg(game.linesPlayed), place};
        case Readout::CoinsPerLine:
            return {QAccessible::StaticText, tr("Coins/Line %1").arg(game.coinsPerLine), place};
        case Readout::CoinsPlayed:
            return {QAccessible::StaticText,
                    tr("Coins Played %1").arg(betOf(game.linesPlayed, game.coinsPerLine)), place};
        case Readout::Winnings:
            return {QAccessible::StaticText, tr("Winnings %1").arg(m_painter.shownWinnings()), place};
        case Readout::FreeSpins:
            return {QAccessible::StaticText, tr("FREE Spins %1").arg(game.freeSpinsPending), place};
        }
    }
    if (index == LampItem)
        return {QAccessible::StaticText, tr("Bonus lamp %1 lit").arg(game.bonusLamp + 1),
                m_painter.lampRect(game.bonusLamp)};
    if (index == WheelsItem)
        return {QAccessible::Table, tr("Wheels"), wheelsRect()};
    const int wheel = index - FirstWheelItem;
    return {QAccessible::Graphic,
            tr("Row %1, wheel %2: %3")
                .arg(wheel / 3 + 1)
                .arg(wheel % 3 + 1)
                .arg(symbolName(game.shownSymbol(wheel))),
            m_painter.wheelWindowRect(wheel), WheelsItem};
}

} // namespace zantaro
